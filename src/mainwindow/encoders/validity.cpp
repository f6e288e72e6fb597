#include "lochkartor.h"
#include "ui_lochkartor.h"
#include "validity_rules.h"

using namespace Validity;

namespace {

QString styleSheetOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::NoSuchElectrode:
        return QStringLiteral("QLabel {background-color : grey}");
    case Verdict::Connected:
        return QStringLiteral("QLabel {background-color : lightgreen}");
    case Verdict::NotConnected:
        break;
    }
    return QStringLiteral("QLabel {background-color : red}");
}

// The reasons a label is not green, then what green means.
QString toolTipOf(Check check, const Finding &finding)
{
    const QString state = finding.reasons.isEmpty() ? Lochkartor::tr("In Ordnung.")
                                                    : finding.reasons.join(QLatin1Char('\n'));
    return state + QStringLiteral("\n\n") + greenMeaning(check);
}

// Re-polishing a label costs more than the whole check; the check runs after
// every pin edit, and most runs leave a label's colour as it was.
void restyle(QLabel *label, Check check, const Finding &finding)
{
    const QString styleSheet = styleSheetOf(finding.verdict);
    if (label->styleSheet() != styleSheet)
        label->setStyleSheet(styleSheet);
    const QString toolTip = toolTipOf(check, finding);
    if (label->toolTip() != toolTip)
        label->setToolTip(toolTip);
}

} // namespace

std::array<QLabel *, CheckCount> Lochkartor::checkLabels() const
{
    return {ui->heaterOK, ui->cathodeOK, ui->gridOK, ui->screenOK, ui->plateOK};
}

// Colours the five check labels with the verdicts of the card shown, and
// tells in each label's tooltip why.
void Lochkartor::checkValidity()
{
    const std::array<Finding, CheckCount> &findings = validityFindings();
    const std::array<QLabel *, CheckCount> labels = checkLabels();
    for (int check = 0; check < CheckCount; ++check)
        restyle(labels[check], Check(check), findings[check]);
}

QStringList Lochkartor::failedChecks() const
{
    const std::array<Finding, CheckCount> &findings = validityFindings();
    const std::array<QLabel *, CheckCount> labels = checkLabels();
    QStringList failed;
    for (int check = CheckCount - 1; check >= 0; --check) {
        if (findings[check].verdict == Verdict::NotConnected)
            failed << labels[check]->text();
    }
    return failed;
}
