#include "printable_texts.h"

#include "cardtext_layout.h"
#include "desired_values_table.h"
#include "encoding.h"
#include "heating_table.h"
#include "operating_point_table.h"
#include "ranges.h"
#include "socket_table.h"
#include "tube_type_table.h"

#include <QCoreApplication>
#include <QHash>
#include <QPair>

#include <functional>
#include <vector>

namespace {

constexpr int MaximumNameLength = 12;
const QString numberCharacters = QStringLiteral("0123456789.-");

// Characters a tube name is read from: what tube names are made of.
QString nameCharacters()
{
    return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-/.+() ");
}

// One shape of a value text: a fixed start, a number and the suffix of the
// range that number falls in. A text without a number is a whole text.
struct ValueForm
{
    QString prefix;
    bool hasNumber = false;
    int decimals = 0;
    std::function<QString(double)> suffixOf; // the suffix the card writes for the number
};

template<typename Rows>
std::function<QString(double)> suffixNotExceeded(const Rows &rows)
{
    return [&rows](double value) {
        return QString::fromLatin1(firstRowNotExceeded(rows, value).suffix);
    };
}

std::vector<ValueForm> valueForms(CardText text)
{
    using namespace OperatingPointTable;
    using namespace DesiredValuesTable;
    auto latin = [](const char *s) { return QString::fromLatin1(s); };
    switch (text) {
    case CardText::HeatingVoltage: {
        std::vector<ValueForm> forms;
        for (const HeatingTable::Tap &tap : HeatingTable::taps)
            forms.push_back({latin(tap.text), false, 0, {}});
        forms.push_back({QString(), true, 2, [](double) {
                             return QString::fromLatin1(HeatingTable::DcVoltageSuffix);
                         }});
        return forms;
    }
    case CardText::HeatingCurrent:
        return {{QString(), true, 2,
                 [](double) { return QString::fromLatin1(HeatingTable::CurrentSuffix); }}};
    case CardText::PlateVoltage: {
        std::vector<ValueForm> forms{
            {latin(PlateVoltagePrefix), true, 1, suffixNotExceeded(plateScales)}};
        for (const RectifierSupply &supply : rectifierSupplies)
            forms.push_back({latin(supply.text), false, 0, {}});
        return forms;
    }
    case CardText::ScreenVoltage:
        return {{latin(ScreenVoltagePrefix), true, 1, suffixNotExceeded(screenScales)}};
    case CardText::GridVoltage:
        return {{latin(GridVoltagePrefix), true, 1, [](double value) {
                     return QString::fromLatin1(firstRowNotBelow(gridScales, value).suffix);
                 }}};
    case CardText::PlateCurrent:
        return {{latin(PlateCurrentPrefix), true, 2, suffixNotExceeded(plateCurrentRanges)},
                {latin(RectCurrentPrefix), true, 2, suffixNotExceeded(rectCurrentRanges)}};
    case CardText::ScreenCurrent:
        return {{latin(ScreenCurrentPrefix), true, 2, suffixNotExceeded(screenCurrentRanges)}};
    case CardText::Transconductance:
        return {
            {latin(TransconductancePrefix), true, 2, suffixNotExceeded(transconductanceRanges)}};
    default:
        return {};
    }
}

// Every suffix a form can end in.
QStringList suffixesOf(const ValueForm &form)
{
    QStringList suffixes;
    if (!form.hasNumber)
        return {QString()};
    for (double probe = -70; probe <= 400; probe += 0.25) {
        const QString suffix = form.suffixOf(probe);
        if (!suffixes.contains(suffix))
            suffixes << suffix;
    }
    return suffixes;
}

// Whether `number` can begin a number of the card with `decimals` places.
bool startsNumber(const QString &number, int decimals)
{
    int digitsBefore = 0, digitsAfter = 0;
    bool point = false;
    for (int i = 0; i < number.size(); ++i) {
        const QChar c = number.at(i);
        if (c == QLatin1Char('-')) {
            if (i != 0)
                return false;
        } else if (c == QLatin1Char('.')) {
            if (point || digitsBefore == 0)
                return false;
            point = true;
        } else if (c.isDigit()) {
            if (point)
                ++digitsAfter;
            else
                ++digitsBefore;
        } else {
            return false;
        }
    }
    return digitsBefore <= 3 && digitsAfter <= decimals;
}

// A complete number as the card writes it ("6.3", never "6.30").
bool isCardNumber(const QString &number, int decimals, double *value)
{
    if (number.isEmpty() || !startsNumber(number, decimals))
        return false;
    bool ok = false;
    *value = number.toDouble(&ok);
    return ok && Encoding::numberText(*value) == number;
}

// Whether `candidate` is `form` written out in full, or (`partial`) the
// beginning of one.
bool fits(const ValueForm &form, const QString &candidate, bool partial)
{
    if (!form.hasNumber)
        return partial ? form.prefix.startsWith(candidate) : form.prefix == candidate;
    if (candidate.size() <= form.prefix.size())
        return partial && form.prefix.startsWith(candidate);
    if (!candidate.startsWith(form.prefix))
        return false;
    const QString rest = candidate.mid(form.prefix.size());
    qsizetype numberEnd = 0;
    while (numberEnd < rest.size() && numberCharacters.contains(rest.at(numberEnd)))
        ++numberEnd;
    const QString number = rest.left(numberEnd);
    const QString suffix = rest.mid(numberEnd);
    if (suffix.isEmpty())
        return partial && startsNumber(number, form.decimals);
    double value = 0;
    if (!isCardNumber(number, form.decimals, &value))
        return false;
    const QString wanted = form.suffixOf(value);
    return partial ? wanted.startsWith(suffix) : wanted == suffix;
}

bool isName(const QString &candidate, bool partial)
{
    if (candidate.size() > MaximumNameLength || candidate.startsWith(QLatin1Char(' ')))
        return false;
    for (QChar c : candidate) {
        if (!nameCharacters().contains(c))
            return false;
    }
    return partial || (!candidate.isEmpty() && !candidate.endsWith(QLatin1Char(' ')));
}

QString allCharacters()
{
    static const QString all = [] {
        QString characters = nameCharacters() + numberCharacters;
        for (int text = 0; text < CardTextCount; ++text) {
            for (const ValueForm &form : valueForms(CardText(text))) {
                characters += form.prefix;
                for (const QString &suffix : suffixesOf(form))
                    characters += suffix;
            }
        }
        QString unique;
        for (QChar c : characters) {
            if (!unique.contains(c))
                unique += c;
        }
        return unique;
    }();
    return all;
}

} // namespace

namespace PrintableTexts {

QStringList wholeTexts(CardText text)
{
    QStringList texts;
    auto add = [&texts](const QString &t) {
        if (!t.isEmpty() && !texts.contains(t))
            texts << t;
    };
    switch (text) {
    case CardText::TubeType:
        for (int type = 0; type < TubeTypeCount; ++type)
            add(tubeTypeName(type));
        break;
    case CardText::Socket:
        for (int socket = 0; socket < SocketCount; ++socket) {
            add(QCoreApplication::translate("Lochkartor", findSocket(socket)->cardText));
            add(QString::fromUtf8(findSocket(socket)->cardText));
        }
        break;
    case CardText::PlateCapNote:
    case CardText::ScreenGridCapNote:
    case CardText::ControlGridCapNote:
        add(initialCardText(text));
        add(QString::fromUtf8(cardTextLayout(text).initialText));
        break;
    default:
        break;
    }
    return texts;
}

QString nextCharacters(CardText text, const QString &start)
{
    // The reader asks for the same beginnings card after card.
    static QHash<QPair<int, QString>, QString> known;
    const QPair<int, QString> key(int(text), start);
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    QString next;
    for (QChar c : allCharacters()) {
        const QString longer = start + c;
        bool possible = false;
        if (text == CardText::TubeName) {
            possible = isName(longer, true);
        } else {
            for (const ValueForm &form : valueForms(text))
                possible = possible || fits(form, longer, true);
        }
        if (possible)
            next += c;
    }
    if (known.size() > 100000)
        known.clear();
    known.insert(key, next);
    return next;
}

bool isPrintable(CardText text, const QString &candidate)
{
    if (text == CardText::TubeName)
        return isName(candidate, false) && candidate.trimmed() == candidate;
    const QStringList whole = wholeTexts(text);
    if (!whole.isEmpty())
        return whole.contains(candidate);
    for (const ValueForm &form : valueForms(text)) {
        if (fits(form, candidate, false))
            return true;
    }
    return false;
}

int maximumLength(CardText text)
{
    if (text == CardText::TubeName)
        return MaximumNameLength;
    int longest = 0;
    for (const ValueForm &form : valueForms(text)) {
        for (const QString &suffix : suffixesOf(form))
            longest = std::max(longest, int(form.prefix.size() + suffix.size())
                                            + (form.hasNumber ? 4 + form.decimals : 0));
    }
    return longest;
}

} // namespace PrintableTexts
