// The document's history on values alone, over random sessions of edits,
// loads and undo/redo: whatever the order, undo and redo land on the very
// value that was current at that point of the history.

#include "form_replay.h"
#include "socket_table.h"
#include "testsupport.h"
#include "tube_document.h"
#include "tube_type_table.h"

#include <QRandomGenerator>
#include <QUndoStack>
#include <QtTest>

namespace {

// Any value for any field, a list row a little past its list now and then,
// a number a little beyond its limits: the document takes what the edit
// makes of it.
void randomEdit(const Tube &tube, QRandomGenerator &random, TubeField *field, TubeValue *value)
{
    *field = TubeField(random.bounded(TubeFieldCount));
    switch (tubeFieldKind(*field)) {
    case TubeFieldKind::Text:
        value->text = QStringLiteral("T%1").arg(random.bounded(1000));
        break;
    case TubeFieldKind::Index:
        value->number = random.bounded(*field == TubeField::Socket ? SocketCount + 1 : 12);
        break;
    case TubeFieldKind::Number: {
        const TubeForm::Limits limits = TubeForm::limits(tube, *field);
        const double span = limits.maximum - limits.minimum;
        value->number = limits.minimum - 0.1 * span + 1.2 * span * random.generateDouble();
        break;
    }
    }
}

// What a load or a card read puts in: another tube altogether.
FormValue randomTube(QRandomGenerator &random)
{
    Tube tube = freshTube();
    tube.name = QStringLiteral("L%1").arg(random.bounded(1000));
    tube.socket = random.bounded(SocketCount);
    tube.tubeType = random.bounded(TubeTypeCount);
    tube.plateVoltage = random.bounded(300);
    return freshFormValue().withTube(tube);
}

} // namespace

class TubeDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void historyLandsOnTheValuesItHeld_data();
    void historyLandsOnTheValuesItHeld();
};

void TubeDocumentTest::historyLandsOnTheValuesItHeld_data()
{
    QTest::addColumn<quint32>("seed");
    const quint32 seeds = TestSupport::underSanitizers ? 20 : 100;
    for (quint32 seed = 1; seed <= seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// `values` is the history as the test keeps it: the value before the first
// step, then the value after each; `at` is the step the document stands on.
void TubeDocumentTest::historyLandsOnTheValuesItHeld()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QString where = QStringLiteral("seed %1").arg(seed);
    TubeDocument document;
    std::optional<DocumentState> shown;
    document.onShow([&shown](const DocumentState &state) { shown = state; });
    std::vector<FormValue> values{document.value()};
    QCOMPARE(values.front(), freshFormValue());
    int at = 0;

    const auto checkAt = [&](const char *after) {
        const QString message = where + QStringLiteral(", after ") + QLatin1String(after)
                                + QStringLiteral(", step %1").arg(at);
        QVERIFY2(document.stack()->index() == at, qPrintable(message));
        QVERIFY2(document.value() == values[std::size_t(at)], qPrintable(message));
    };
    const auto newStep = [&](const FormValue &before) {
        if (document.value() == before)
            return; // an edit that changed nothing is no step
        values.resize(std::size_t(at) + 1);
        values.push_back(document.value());
        ++at;
    };

    for (int action = 0; action < 120; ++action) {
        const int kind = random.bounded(10);
        const FormValue before = document.value();
        if (kind < 5) {
            TubeField field;
            TubeValue value;
            randomEdit(before.tube, random, &field, &value);
            document.edit(field, value, QStringLiteral("edit"));
            // Going on from the form the last edit left is the same as
            // putting the whole tube in again.
            QVERIFY2(document.value().tube == TubeEdit::apply(before.tube, field, value).tube,
                     qPrintable(where + QStringLiteral(", step %1").arg(at)));
            newStep(before);
            checkAt("an edit");
        } else if (kind == 5) {
            document.replace(QStringLiteral("load"), DocumentState{before, std::nullopt},
                             DocumentState{randomTube(random), std::nullopt});
            newStep(before);
            checkAt("a load");
        } else if (kind < 8 && at > 0) {
            shown.reset();
            document.stack()->undo();
            --at;
            checkAt("an undo");
            QVERIFY2(shown && shown->form == document.value(), qPrintable(where));
        } else if (at < int(values.size()) - 1) {
            document.stack()->redo();
            ++at;
            checkAt("a redo");
        }
    }

    // A session that made hardly a step would prove nothing.
    QVERIFY2(values.size() > 20, qPrintable(where));
    while (document.stack()->canUndo())
        document.stack()->undo();
    at = 0;
    checkAt("undoing every step");
    while (document.stack()->canRedo())
        document.stack()->redo();
    at = int(values.size()) - 1;
    checkAt("redoing every step");
}

QTEST_MAIN(TubeDocumentTest)
#include "tst_tube_document.moc"
