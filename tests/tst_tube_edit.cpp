// Edits as plain functions: one value put into a tube gives the tube the
// form then holds and says which other fields moved and why. Checked
// against the form driven value by value, over random sessions of edits a
// user can make, with no window.

#include "form_replay.h"
#include "heating_table.h"
#include "operating_point_table.h"
#include "socket_table.h"
#include "testsupport.h"
#include "tube_edit.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

int rowsOf(TubeField field)
{
    switch (field) {
    case TubeField::Socket:
        return SocketCount;
    case TubeField::TubeType:
        return TubeTypeCount;
    case TubeField::HeatingMethod:
        return 4;
    case TubeField::HeatingTap:
        return HeatingTable::NoTap;
    case TubeField::CapFunction:
        return Wiring::CapChoiceCount;
    case TubeField::CathodeResistor:
        return OperatingPointTable::FirstLoadResistor;
    case TubeField::CathodeCap:
        return 3;
    case TubeField::RectPlateVoltage:
        return 3;
    case TubeField::RectLoadResistor:
        return 5;
    case TubeField::RectCap:
        return 2;
    case TubeField::IsotestVoltage:
        return 2;
    case TubeField::IsotestRange:
        return 5;
    default:
        return 0;
    }
}

bool isPin(TubeField field)
{
    return int(field) >= int(TubeField::Pin1) && int(field) <= int(TubeField::Pin9);
}

// A row the user can pick: one the list offers, and for a rectifier no
// directly heated filament.
bool offered(const Tube &tube, TubeField field, int row)
{
    if (isPin(field))
        return Wiring::lineHandles(TubeForm::pinLine(tube, int(field) - int(TubeField::Pin1) + 1),
                                   row);
    if (field == TubeField::HeatingMethod && TubeForm::flags(tube).rectifier)
        return row != 1 && row != 3;
    return true;
}

// An edit a user could make now: a field that is on, a row its list offers,
// a number typed with up to three decimals, now and then beyond its limits.
bool randomEdit(const Tube &tube, QRandomGenerator &random, TubeField *field, TubeValue *value)
{
    *field = TubeField(random.bounded(TubeFieldCount));
    if (!TubeForm::isFieldOn(tube, *field))
        return false;
    switch (tubeFieldKind(*field)) {
    case TubeFieldKind::Text:
        value->text = QStringLiteral("T%1").arg(random.bounded(100000));
        return true;
    case TubeFieldKind::Index: {
        const int rows = isPin(*field) ? PinFunction::Count : rowsOf(*field);
        const int row = random.bounded(rows);
        value->number = row;
        return offered(tube, *field, row);
    }
    case TubeFieldKind::Number: {
        const TubeForm::Limits limits = TubeForm::limits(tube, *field);
        const double span = limits.maximum - limits.minimum;
        const double typed = limits.minimum - 0.1 * span + 1.2 * span * random.generateDouble();
        value->number = std::round(typed * 1000.0) / 1000.0;
        return true;
    }
    }
    return false;
}

QString fieldsText(const std::vector<TubeEdit::Change> &changes)
{
    QStringList names;
    for (const TubeEdit::Change &change : changes)
        names << QLatin1String(tubeFieldName(change.field)) + QLatin1Char('/')
                     + QString::number(int(change.reason));
    return names.join(QLatin1Char(' '));
}

// The card as it is punched and printed: hidden texts keep whatever they
// said last, which no card shows.
bool sameCard(const Card &a, const Card &b)
{
    Card shownA = a;
    Card shownB = b;
    for (std::size_t index = 0; index < shownA.texts.size(); ++index) {
        if (!shownA.texts[index].visible)
            shownA.texts[index].content.clear();
        if (!shownB.texts[index].visible)
            shownB.texts[index].content.clear();
    }
    return shownA == shownB;
}

struct Edit
{
    TubeField field;
    double number;
};

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(std::vector<Edit>)

class TubeEditTest : public QObject
{
    Q_OBJECT

private slots:
    void randomSessionsMatchTheForm_data();
    void randomSessionsMatchTheForm();
    void cascades_data();
    void cascades();
};

void TubeEditTest::randomSessionsMatchTheForm_data()
{
    QTest::addColumn<quint32>("seed");
    const quint32 seeds = TestSupport::underSanitizers ? 40 : 300;
    for (quint32 seed = 1; seed <= seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// After every edit: the edit's tube is the form's; a form made to hold it
// holds exactly it; the fields it names are those that moved; and the card
// is the one of the values alone, whatever order led to them.
void TubeEditTest::randomSessionsMatchTheForm()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    FormReplay form = FormReplay::fresh();
    Tube tube = freshTube();
    QStringList session;
    for (int step = 0; step < 40; ++step) {
        TubeField field;
        TubeValue value;
        if (!randomEdit(tube, random, &field, &value))
            continue;
        session << QStringLiteral("%1=%2%3")
                       .arg(QLatin1String(tubeFieldName(field)), value.text)
                       .arg(value.number);
        const Tube before = tube;
        const TubeEdit::Outcome outcome = TubeEdit::apply(tube, field, value);
        form.set(field, value);
        tube = outcome.tube;
        const QByteArray where = session.join(QStringLiteral(", ")).toUtf8();
        QVERIFY2(tube == form.tube(), where.constData());
        QVERIFY2(FormReplay::holding(tube).tube() == tube, where.constData());
        for (int index = 0; index < TubeFieldCount; ++index) {
            const auto other = TubeField(index);
            const bool moved = valueOf(before, other).number != valueOf(tube, other).number
                               || valueOf(before, other).text != valueOf(tube, other).text;
            const bool named = std::any_of(outcome.changes.begin(), outcome.changes.end(),
                                           [other](const auto &c) { return c.field == other; });
            QVERIFY2(named == (moved && other != field), where.constData());
        }
        QVERIFY2(sameCard(cardOf(tube), form.card()), where.constData());
    }
}

void TubeEditTest::cascades_data()
{
    using F = TubeField;
    using R = TubeEdit::Reason;
    QTest::addColumn<std::vector<Edit>>("before");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("switched"); // block/on, Block order
    const auto named = [](std::initializer_list<std::pair<F, R>> changes) {
        std::vector<TubeEdit::Change> list;
        for (const auto &[field, reason] : changes)
            list.push_back({field, reason});
        return fieldsText(list);
    };
    // Pentode (type 3) on the universal socket (10).
    const std::vector<Edit> pentode
        = {{F::Socket, 10}, {F::TubeType, 3}, {F::PlateVoltage, 250}, {F::ScreenVoltage, 250}};
    QTest::newRow("Ua lowers Ug2") << pentode << Edit{F::PlateVoltage, 150}
                                   << named({{F::ScreenVoltage, R::ScreenAbovePlate}}) << "";
    QTest::newRow("Ua raised again") << std::vector<Edit>{{F::Socket, 10},
                                                          {F::TubeType, 3},
                                                          {F::PlateVoltage, 250},
                                                          {F::ScreenVoltage, 250},
                                                          {F::PlateVoltage, 150}}
                                     << Edit{F::PlateVoltage, 250} << ""
                                     << "";
    QTest::newRow("low Ua cuts Ia")
        << std::vector<Edit>{{F::PlateVoltage, 250}, {F::PlateCurrent, 72}}
        << Edit{F::PlateVoltage, 20} << named({{F::PlateCurrent, R::PlateMeterRange}}) << "";
    QTest::newRow("DC cuts the heater")
        << std::vector<Edit>{{F::HeatingCurrent, 1.5}} << Edit{F::HeatingMethod, 2}
        << named({{F::HeatingCurrent, R::DcHeaterCurrent}}) << "";
    QTest::newRow("fixed bias drops Rk")
        << std::vector<Edit>{{F::TubeType, 3}, {F::CathodeResistor, 3}} << Edit{F::GridVoltage, -5}
        << named({{F::CathodeResistor, R::FixedBiasExcludesResistor}}) << "";
    QTest::newRow("rectifier") << std::vector<Edit>{{F::TubeType, 3}, {F::HeatingMethod, 1}}
                               << Edit{F::TubeType, 8}
                               << named({{F::HeatingMethod, R::NoDirectHeatingForRectifier}})
                               << "1/0 2/1 3/0 4/0";
}

void TubeEditTest::cascades()
{
    QFETCH(std::vector<Edit>, before);
    QFETCH(Edit, edit);
    QFETCH(QString, changes);
    QFETCH(QString, switched);
    Tube tube = freshTube();
    for (const Edit &step : before)
        tube = TubeEdit::apply(tube, step.field, {QString(), step.number}).tube;
    const TubeEdit::Outcome outcome = TubeEdit::apply(tube, edit.field, {QString(), edit.number});
    QCOMPARE(fieldsText(outcome.changes), changes);
    QStringList blocks;
    for (const TubeEdit::BlockSwitch &block : outcome.switched)
        blocks << QStringLiteral("%1/%2").arg(int(block.block)).arg(int(block.on));
    QCOMPARE(blocks.join(QLatin1Char(' ')), switched);
}

QTEST_MAIN(TubeEditTest)
#include "tst_tube_edit.moc"
