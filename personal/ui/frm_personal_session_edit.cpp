#include "personal/ui/frm_personal_session_edit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "support/ui/dialog_button.h"
#include "support/ui/dialog_button_row.h"
#include "support/ui/dialog_size.h"
#include "personal/ui/frm_personal_sessions.h"
#include "personal/ui/personal_lines_editor.h"
#include "personal/personal_file.h"
#include "personal/personal_store.h"

namespace mindrova {
namespace {

constexpr int kAsInOptions = 0;  // the spin box's value that leaves the pace to the options

int RowsHeight(const QPlainTextEdit* box, int rows) {
    return rows * QFontMetrics(box->font()).lineSpacing() + 2 * box->frameWidth() +
           int(2 * box->document()->documentMargin());
}

QPlainTextEdit* TextBox(const char* name, const QString& accessibleName, int rows,
                        QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    // Tab moves on, as in every other field: a line of a session never holds a tab.
    box->setTabChangesFocus(true);
    box->setMinimumHeight(RowsHeight(box, rows));
    box->setMinimumWidth(24 * QFontMetrics(box->font()).averageCharWidth());
    return box;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

frmPersonalSessionEdit::frmPersonalSessionEdit(const PersonalSession& session,
                                               const QStringList& otherTitles, QWidget* parent)
    : QDialog(parent), mOtherTitles(otherTitles) {
    setObjectName(QStringLiteral("frmPersonalSessionEdit"));
    setWindowTitle(tr("Edit a session"));
    setModal(true);

    txtTitle = new QLineEdit(session.title, this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setAccessibleName(tr("Title"));
    txtSetup = TextBox("txtSetup", tr("Set-up statement"), 2, this);
    txtSetup->setPlainText(session.setup);
    // The statement is one paragraph: it may wrap, and leaves the height to the lines below.
    txtSetup->setMaximumHeight(RowsHeight(txtSetup, 4));
    lstNegative = new PersonalLinesEditor("lstNegative", tr("Negative lines, one a row"), this);
    lstNegative->SetLines(session.negative);
    lstPositive = new PersonalLinesEditor("lstPositive", tr("Positive lines, one a row"), this);
    lstPositive->SetLines(session.positive);

    spnSeconds = new QSpinBox(this);
    spnSeconds->setObjectName(QStringLiteral("spnSecondsPerPoint"));
    spnSeconds->setAccessibleName(tr("Seconds per point"));
    spnSeconds->setRange(kAsInOptions, SECONDS_PER_POINT_MAX);
    spnSeconds->setSpecialValueText(tr("As in Session options"));
    spnSeconds->setSuffix(tr(" s"));
    spnSeconds->setValue(session.secondsPerPoint.value_or(kAsInOptions));
    cboRound = new QComboBox(this);
    cboRound->setObjectName(QStringLiteral("cboRound"));
    cboRound->setAccessibleName(tr("Round"));
    cboRound->addItem(tr("As in Session options"));
    cboRound->addItem(tr("All sixteen points"), int(RoundKind::Full));
    cboRound->addItem(tr("One side per round"), int(RoundKind::OneSide));
    if (session.round) cboRound->setCurrentIndex(cboRound->findData(int(*session.round)));
    cboRound->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    lblFault = new QLabel(this);
    lblFault->setObjectName(QStringLiteral("lblFault"));
    // What is typed is shown as typed, never read as markup.
    lblFault->setTextFormat(Qt::PlainText);
    lblFault->setWordWrap(true);
    lblFault->setHidden(true);
    lblSaveProblem = new QLabel(this);
    lblSaveProblem->setObjectName(QStringLiteral("lblSaveProblem"));
    // It names the file and the system's reason: shown as written, and selectable to copy.
    lblSaveProblem->setTextFormat(Qt::PlainText);
    lblSaveProblem->setWordWrap(true);
    lblSaveProblem->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
    lblSaveProblem->setHidden(true);

    // Offered once a save has failed: what is typed can then be kept in another place.
    cmdSaveElsewhere = DialogButton(tr("Save &elsewhere\u2026"), "cmdSaveElsewhere", this);
    cmdSaveElsewhere->setAutoDefault(false);
    cmdSaveElsewhere->setHidden(true);
    QPushButton* cmdSave = DialogButton(tr("&Save"), "cmdSave", this);
    QPushButton* cmdCancel = DialogButton(tr("Cancel"), "cmdCancel", this);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(Label(tr("&Title:"), txtTitle, this), txtTitle);
    form->addRow(Label(tr("Set-&up statement:"), txtSetup, this), txtSetup);
    auto* lines = new QGridLayout;
    lines->addWidget(Label(tr("&Negative lines, one a row:"), lstNegative->List(), this), 0, 0);
    lines->addWidget(Label(tr("&Positive lines, one a row:"), lstPositive->List(), this), 0, 1);
    lines->addWidget(lstNegative, 1, 0);
    lines->addWidget(lstPositive, 1, 1);
    lines->setRowStretch(1, 1);
    auto* pace = new QFormLayout;
    pace->addRow(Label(tr("Seconds per p&oint:"), spnSeconds, this), spnSeconds);
    pace->addRow(Label(tr("&Round:"), cboRound, this), cboRound);
    QHBoxLayout* buttons = AcceptCancelRow(*this, cmdSave, cmdCancel, {cmdSaveElsewhere});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(lines, 1);
    layout->addLayout(pace);
    layout->addWidget(lblFault);
    layout->addWidget(lblSaveProblem);
    layout->addLayout(buttons);

    QList<QWidget*> order{txtTitle, txtSetup};
    order << lstNegative->FocusOrder() << lstPositive->FocusOrder();
    order << spnSeconds << cboRound << cmdSaveElsewhere << cmdSave;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    setTabOrder(cmdSave, cmdCancel);

    FitOpeningSize(this, 110);
    connect(cmdSaveElsewhere, &QPushButton::clicked, this, [this] { cmdSaveElsewhere_Click(); });
}

PersonalSession frmPersonalSessionEdit::Session() const {
    PersonalSession session;
    session.title = txtTitle->text().trimmed();
    // One paragraph: a row break typed in it is a space.
    session.setup = txtSetup->toPlainText().replace(u'\n', u' ').trimmed();
    session.negative = lstNegative->Lines();
    session.positive = lstPositive->Lines();
    if (spnSeconds->value() != kAsInOptions) session.secondsPerPoint = spnSeconds->value();
    if (cboRound->currentData().isValid()) {
        session.round = static_cast<RoundKind>(cboRound->currentData().toInt());
    }
    return session;
}

QString frmPersonalSessionEdit::Fault() const {
    const PersonalSession session = Session();
    QString fault = PersonalSessionFault(session);
    if (!fault.isEmpty()) return fault;
    for (const QString& other : mOtherTitles) {
        if (SameSessionTitle(other, session.title)) {
            return tr("You already have a session called \u201C%1\u201D; give this one another "
                      "title.")
                .arg(other);
        }
    }
    return {};
}

void frmPersonalSessionEdit::ShowFault(const QString& fault) {
    lblFault->setText(fault);
    lblFault->setAccessibleName(fault);
    lblFault->setHidden(fault.isEmpty());
}

void frmPersonalSessionEdit::ShowSaveProblem(const QString& text) {
    lblSaveProblem->setText(text);
    lblSaveProblem->setAccessibleName(text);
    lblSaveProblem->setHidden(text.isEmpty());
}

void frmPersonalSessionEdit::accept() {
    const QString fault = Fault();
    ShowFault(fault);
    if (!fault.isEmpty()) {
        ShowSaveProblem({});
        return;
    }
    if (mSave) {
        const PersonalSession session = Session();
        QString error;
        if (!mSave(session, &error)) {
            // Nothing typed is lost: the editor stays as it is, saying why and what can be done.
            if (!error.isEmpty()) {
                ShowSaveProblem(tr("\u201C%1\u201D could not be saved (%2). Everything you "
                                   "typed is still here: choose Save to try again, or Save "
                                   "elsewhere to keep it in another place.")
                                    .arg(session.title, error));
                cmdSaveElsewhere->setHidden(false);
            }
            return;
        }
    }
    QDialog::accept();
}

void frmPersonalSessionEdit::cmdSaveElsewhere_Click() {
    const QString fault = Fault();
    ShowFault(fault);
    if (!fault.isEmpty()) return;
    const SessionExport exported = ExportPersonalSession(this, Session());
    if (exported.result != ExportResult::Cancelled) ShowSaveProblem(exported.message);
}

}  // namespace mindrova
