#include "app/layout_probe.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "window/ui/layout_check.h"
#include "support/whole_file.h"

namespace mindrova {
namespace {

constexpr int kProbeIntervalMs = 150;

QString Box(const QRect& r) {
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString OneLine(QString text) {
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text;
}

// One report: a "window" line for each shown window, then its problems, its named controls and,
// for a menu, its items; every place in global logical pixels.
QByteArray Report() {
    QString out = QStringLiteral("time %1\n").arg(QDateTime::currentMSecsSinceEpoch());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        const QScreen* screen = top->screen();
        const QRect area = screen ? screen->geometry() : QRect();
        out += QStringLiteral("window %1 %2 ratio %3 frame %4 client %5 title %6\n")
                   .arg(QString::fromLatin1(top->metaObject()->className()),
                        top->objectName().isEmpty() ? QStringLiteral("-") : top->objectName())
                   .arg(top->devicePixelRatioF())
                   .arg(Box(top->frameGeometry()),
                        Box(QRect(top->mapToGlobal(QPoint(0, 0)), top->size())),
                        OneLine(top->windowTitle()));
        for (const QString& problem : LayoutProblems(top, area)) {
            out += QStringLiteral("problem ") + OneLine(problem) + u'\n';
        }
        for (const QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty() ||
                w->objectName().startsWith(u"qt_")) {
                continue;
            }
            out += QStringLiteral("control %1 %2\n")
                       .arg(w->objectName(), Box(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())));
            if (const auto* label = qobject_cast<const QLabel*>(w)) {
                out += QStringLiteral("text %1 %2\n").arg(w->objectName(), OneLine(label->text()));
            }
        }
        if (const auto* menu = qobject_cast<const QMenu*>(top)) {
            for (QAction* action : menu->actions()) {
                if (action->objectName().isEmpty() || !action->isVisible()) continue;
                const QRect r = menu->actionGeometry(action);
                out += QStringLiteral("action %1 %2\n")
                           .arg(action->objectName(),
                                Box(QRect(menu->mapToGlobal(r.topLeft()), r.size())));
            }
        }
    }
    return out.toUtf8();
}

}  // namespace

void InstallLayoutProbeFromEnvironment() {
    const QString path = qEnvironmentVariable("MINDROVA_LAYOUT_PROBE");
    if (path.isEmpty()) return;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [path] {
        // A reader sees the last whole report, never one cut short by a full disk.
        WriteWholeFile(path, Report(), FileAccess::AsCreated, nullptr);
    });
    timer->start(kProbeIntervalMs);
}

}  // namespace mindrova
