// Cross-checks an installed tree (a DESTDIR or an unpacked .deb): the desktop entry, the icon and
// the AppStream metadata must point at each other and at files that are really there.
// The tree's root comes from MINDROVA_INSTALL_ROOT; the packaging scripts set it.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <ostream>

#include "fixtures/qt_application.h"

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QString kAppId = QStringLiteral("com.example.Mindrova");
const QString kPrefix = QStringLiteral("/usr");

QString Root() {
    return QString::fromLocal8Bit(qgetenv("MINDROVA_INSTALL_ROOT"));
}

QString Installed(const QString& relative) {
    return Root() + kPrefix + QLatin1Char('/') + relative;
}

QString DesktopPath() {
    return Installed(QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"));
}

QString MetainfoPath() {
    return Installed(QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"));
}

QString IconPath() {
    return Installed(QStringLiteral("share/icons/hicolor/scalable/apps/") + kAppId +
                     QStringLiteral(".svg"));
}

// Keys of the [Desktop Entry] group; a key given twice is recorded as a fault.
struct DesktopEntry {
    QMap<QString, QString> keys;
    QStringList duplicates;
    bool hasMainGroup = false;
};

DesktopEntry ReadDesktopEntry(const QString& path) {
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return entry;
    bool inMain = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMain = line == QLatin1String("[Desktop Entry]");
            entry.hasMainGroup = entry.hasMainGroup || inMain;
            continue;
        }
        if (!inMain) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        if (entry.keys.contains(key)) entry.duplicates << key;
        entry.keys.insert(key, line.mid(eq + 1).trimmed());
    }
    return entry;
}

struct Metainfo {
    QString componentType;
    QString id;
    QStringList desktopLaunchables;
    QStringList binaries;
    QStringList releaseVersions;
    QStringList qtTranslationDomains;
    QString metadataLicense;
    QString error;
};

Metainfo ReadMetainfo(const QString& path) {
    Metainfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        info.error = QStringLiteral("cannot open");
        return info;
    }
    QXmlStreamReader xml(&file);
    QStringList stack;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            stack.removeLast();
            continue;
        }
        if (!xml.isStartElement()) continue;
        const QString name = xml.name().toString();
        const QString parent = stack.isEmpty() ? QString() : stack.last();
        stack << name;
        if (name == QLatin1String("component") && parent.isEmpty()) {
            info.componentType = xml.attributes().value(QLatin1String("type")).toString();
        } else if (name == QLatin1String("id") && parent == QLatin1String("component")) {
            info.id = xml.readElementText();
            stack.removeLast();
        } else if (name == QLatin1String("metadata_license")) {
            info.metadataLicense = xml.readElementText();
            stack.removeLast();
        } else if (name == QLatin1String("launchable") &&
                   xml.attributes().value(QLatin1String("type")) == QLatin1String("desktop-id")) {
            info.desktopLaunchables << xml.readElementText();
            stack.removeLast();
        } else if (name == QLatin1String("binary") && parent == QLatin1String("provides")) {
            info.binaries << xml.readElementText();
            stack.removeLast();
        } else if (name == QLatin1String("translation") &&
                   xml.attributes().value(QLatin1String("type")) == QLatin1String("qt")) {
            info.qtTranslationDomains << xml.readElementText();
            stack.removeLast();
        } else if (name == QLatin1String("release")) {
            info.releaseVersions << xml.attributes().value(QLatin1String("version")).toString();
        }
    }
    if (xml.hasError()) info.error = xml.errorString();
    return info;
}

bool IsExecutableFile(const QString& path) {
    const QFileInfo fi(path);
    return fi.isFile() && fi.isExecutable();
}

class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override {
        mindrova::testing::Application();
        ASSERT_FALSE(Root().isEmpty()) << "MINDROVA_INSTALL_ROOT is not set";
    }
};

TEST_F(InstalledTree, DesktopEntryStartsTheInstalledProgramWithTheInstalledIcon) {
    const DesktopEntry entry = ReadDesktopEntry(DesktopPath());
    ASSERT_TRUE(entry.hasMainGroup) << DesktopPath().toStdString();
    EXPECT_TRUE(entry.duplicates.isEmpty()) << entry.duplicates.join(u',').toStdString();
    EXPECT_EQ(entry.keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry.keys.value(QStringLiteral("Name")), QStringLiteral("Mindrova"));
    EXPECT_EQ(entry.keys.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    EXPECT_FALSE(entry.keys.value(QStringLiteral("Comment")).isEmpty());

    // Launchers look the command up on PATH, so it must be a bare name living in bin/.
    const QString exec = entry.keys.value(QStringLiteral("Exec")).section(u' ', 0, 0);
    ASSERT_FALSE(exec.isEmpty());
    EXPECT_FALSE(exec.contains(u'/')) << exec.toStdString();
    EXPECT_TRUE(IsExecutableFile(Installed(QStringLiteral("bin/") + exec))) << exec.toStdString();

    // Icon themes find the icon by name, which must match the installed file's name.
    EXPECT_EQ(entry.keys.value(QStringLiteral("Icon")), kAppId);
    EXPECT_TRUE(QFileInfo::exists(IconPath())) << IconPath().toStdString();

    const QStringList categories =
        entry.keys.value(QStringLiteral("Categories")).split(u';', Qt::SkipEmptyParts);
    EXPECT_TRUE(categories.contains(QStringLiteral("Qt"))) << categories.join(u';').toStdString();
    EXPECT_FALSE(entry.keys.value(QStringLiteral("Keywords")).isEmpty());
}

TEST_F(InstalledTree, MetainfoNamesTheDesktopEntryProgramAndVersion) {
    const Metainfo info = ReadMetainfo(MetainfoPath());
    ASSERT_TRUE(info.error.isEmpty()) << info.error.toStdString();
    EXPECT_EQ(info.componentType, QStringLiteral("desktop-application"));
    EXPECT_EQ(info.id, kAppId);
    EXPECT_EQ(info.metadataLicense, QStringLiteral("CC0-1.0"));

    ASSERT_EQ(info.desktopLaunchables.size(), 1);
    EXPECT_EQ(info.desktopLaunchables.first(), QFileInfo(DesktopPath()).fileName());
    EXPECT_TRUE(QFileInfo::exists(DesktopPath()));

    ASSERT_FALSE(info.binaries.isEmpty());
    for (const QString& binary : info.binaries)
        EXPECT_TRUE(IsExecutableFile(Installed(QStringLiteral("bin/") + binary)))
            << binary.toStdString();

    // The newest release comes first and must be the version being built.
    ASSERT_FALSE(info.releaseVersions.isEmpty());
    EXPECT_EQ(info.releaseVersions.first(), QStringLiteral(MINDROVA_EXPECTED_VERSION));
}

// The translation domain the metainfo names has its files where the program looks for them.
TEST_F(InstalledTree, MetainfoTranslationDomainHasItsFiles) {
    const Metainfo info = ReadMetainfo(MetainfoPath());
    ASSERT_EQ(info.qtTranslationDomains, QStringList{QStringLiteral("mindrova")});
    for (const char* language : {"de", "es", "fr"}) {
        SCOPED_TRACE(language);
        const QString file = Installed(QStringLiteral("share/mindrova/translations/mindrova_") +
                                       QLatin1String(language) + QStringLiteral(".qm"));
        EXPECT_GT(QFileInfo(file).size(), 1000) << file.toStdString();
    }
}

TEST_F(InstalledTree, IconIsASquareSvgThatDrawsSomething) {
    QFile file(IconPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << IconPath().toStdString();
    const QByteArray data = file.readAll();

    // Icon loaders expect an <svg> root in the SVG namespace, not just anything that renders.
    QXmlStreamReader xml(data);
    while (!xml.atEnd() && !xml.isStartElement()) xml.readNext();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.name().toString(), QStringLiteral("svg"));
    EXPECT_EQ(xml.namespaceUri().toString(), QStringLiteral("http://www.w3.org/2000/svg"));
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    QSvgRenderer renderer(data);
    ASSERT_TRUE(renderer.isValid());
    const QRectF box = renderer.viewBoxF();
    ASSERT_FALSE(box.isEmpty());
    EXPECT_DOUBLE_EQ(box.width(), box.height()) << "hicolor app icons are square";

    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++opaque;
    EXPECT_GT(opaque, image.width() * image.height() / 4) << "the icon renders almost empty";
}

}  // namespace
