#include "card_report.h"

#include "lochkartor.h"

namespace CardReport {

CheckResults checkResults(const Lochkartor &window)
{
    return checkResults(window.shownCard());
}

QString punchList(const Lochkartor &window)
{
    return punchList(window.tube(), window.shownCard());
}

QString json(const Lochkartor &window, const QString &fileName)
{
    return json(window.shownCard(), fileName);
}

} // namespace CardReport
