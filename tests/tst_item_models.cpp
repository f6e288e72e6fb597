// Each tester line can carry only some pin functions; the list of a pin wired
// to that line offers exactly those and shows the others greyed. A function
// offered on the wrong line would wire the tube wrongly in the tester.

#include "testsupport_window.h"

#include <QComboBox>
#include <QStandardItemModel>

#include <memory>

namespace {

struct WindowModels
{
    std::array<QStandardItemModel *, 9> lines{};
    QStandardItemModel *noPin = nullptr;
    QStandardItemModel *heatingMethod = nullptr;
    QStandardItemModel *unwiredPin = nullptr;
};

// The window creates its models as its own children: the nine line models
// in line order, then the no-pin model, then the heating-method model, then
// the empty list of a pin no socket has reached.
WindowModels modelsOf(const Lochkartor &window)
{
    const auto models
        = window.findChildren<QStandardItemModel *>(QString(), Qt::FindDirectChildrenOnly);
    if (models.size() != 12)
        qFatal("the window holds %lld item models, not 12", qlonglong(models.size()));
    WindowModels found;
    for (int line = 1; line <= 9; ++line)
        found.lines[line - 1] = models.at(line - 1);
    found.noPin = models.at(9);
    found.heatingMethod = models.at(10);
    found.unwiredPin = models.at(11);
    if (found.unwiredPin->rowCount() != 0)
        qFatal("the list of a pin no socket reached is not empty");
    return found;
}

QList<int> enabledRows(const QStandardItemModel *model)
{
    QList<int> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->item(row)->isEnabled())
            rows.append(row);
    }
    return rows;
}

QStringList texts(const QStandardItemModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result.append(model->item(row)->text());
    return result;
}

// The rows an operator reaches with the arrow keys, starting from what the
// box shows when it is given the model.
QList<int> rowsReachedByKeyboard(QComboBox &box)
{
    QList<int> reached;
    if (box.currentIndex() >= 0)
        reached.append(box.currentIndex());
    for (int press = 0; press < box.count() + 1; ++press) {
        QTest::keyClick(&box, Qt::Key_Down);
        if (box.currentIndex() >= 0 && !reached.contains(box.currentIndex()))
            reached.append(box.currentIndex());
    }
    return reached;
}

} // namespace

class ItemModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lineModels_data();
    void lineModels();
    void boxOffersOnlyEnabledRows_data();
    void boxOffersOnlyEnabledRows();
    void noPinModelOffersNothing();
    void heatingMethodModel();

private:
    void lineTable();

    std::unique_ptr<Lochkartor> m_window;
    WindowModels m_models;
};

void ItemModelsTest::initTestCase()
{
    m_window = std::make_unique<Lochkartor>();
    m_models = modelsOf(*m_window);
}

// Which pin functions each tester line (A to I on the card) can carry.
void ItemModelsTest::lineTable()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("enabled");

    QTest::newRow("line 1 (A)") << 1 << QList<int>{0, 2, 5, 6, 7, 8, 10};
    QTest::newRow("line 2 (B)") << 2 << QList<int>{0, 1, 5, 6, 7, 10};
    QTest::newRow("line 3 (C)") << 3 << QList<int>{0, 2, 5, 6, 7, 8, 10};
    QTest::newRow("line 4 (D)") << 4 << QList<int>{0, 2, 5, 6, 7, 8, 10};
    QTest::newRow("line 5 (E)") << 5 << QList<int>{1, 2, 5, 6, 7, 9, 10};
    QTest::newRow("line 6 (F)") << 6 << QList<int>{2, 5, 6, 7, 10};
    QTest::newRow("line 7 (G)") << 7 << QList<int>{0, 10};
    QTest::newRow("line 8 (H)") << 8 << QList<int>{1, 2, 4, 5, 6, 7, 9, 10};
    QTest::newRow("line 9 (I)") << 9 << QList<int>{2, 3, 5, 6, 10};
}

void ItemModelsTest::lineModels_data()
{
    lineTable();
}

void ItemModelsTest::lineModels()
{
    QFETCH(int, line);
    QFETCH(QList<int>, enabled);

    const QStandardItemModel *model = m_models.lines[line - 1];
    QCOMPARE(model->parent(), m_window.get());
    QCOMPARE(texts(model), TestSupport::pinFunctionTexts);
    QCOMPARE(enabledRows(model), enabled);
}

void ItemModelsTest::boxOffersOnlyEnabledRows_data()
{
    lineTable();
}

// A box given a line's model shows the first function the line can carry,
// and the arrow keys step over the greyed ones.
void ItemModelsTest::boxOffersOnlyEnabledRows()
{
    QFETCH(int, line);
    QFETCH(QList<int>, enabled);

    QComboBox box;
    box.setModel(m_models.lines[line - 1]);
    QCOMPARE(box.currentIndex(), enabled.first());
    QCOMPARE(box.currentText(), TestSupport::pinFunctionTexts.at(enabled.first()));
    QCOMPARE(rowsReachedByKeyboard(box), enabled);
}

// A pin that reaches no tester line has nothing to choose.
void ItemModelsTest::noPinModelOffersNothing()
{
    QCOMPARE(m_models.noPin->parent(), m_window.get());
    QCOMPARE(texts(m_models.noPin), QStringList{"KEIN PIN"});
    QCOMPARE(enabledRows(m_models.noPin), QList<int>());

    QComboBox box;
    box.setModel(m_models.lines[0]);
    box.setCurrentIndex(10);
    box.setModel(m_models.noPin);
    QCOMPARE(box.currentIndex(), -1);
    QVERIFY(box.currentText().isEmpty());
    box.setCurrentIndex(10);
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(rowsReachedByKeyboard(box), QList<int>());
    QCOMPARE(box.currentIndex(), -1);
}

void ItemModelsTest::heatingMethodModel()
{
    QCOMPARE(m_models.heatingMethod->parent(), m_window.get());
    QCOMPARE(texts(m_models.heatingMethod),
             (QStringList{"Wechselstrom indirekt", "Wechselstrom direkt", "Gleichstrom indirekt",
                          "Gleichstrom direkt"}));
    QCOMPARE(TestSupport::widget<QComboBox>(*m_window, "heatingMethod")->model(),
             m_models.heatingMethod);
}

QTEST_MAIN(ItemModelsTest)
#include "tst_item_models.moc"
