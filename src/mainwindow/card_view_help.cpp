#include "card_view_help.h"
#include "cardscenes.h"
#include "legend.h"
#include "texts.h"

#include <QAction>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QToolTip>

namespace {

const char *const enlargedCardName = "enlargedUniversalCard";
const char *const enlargedSizeKey = "enlargedCard/size";

// The size the user last gave the window, as long as it still fits the
// screen; else as large as the screen allows, keeping the card's
// proportions.
QSize enlargedCardSize(const QSizeF &card)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableSize() : card.toSize();
    const QSize saved = QSettings().value(QLatin1String(enlargedSizeKey)).toSize();
    if (saved.isValid() && saved.width() <= available.width()
        && saved.height() <= available.height())
        return saved.expandedTo(QSize(320, 240));
    if (!screen)
        return card.toSize();
    return card.scaled(QSizeF(available) * 0.9, Qt::KeepAspectRatio)
        .toSize()
        .expandedTo(QSize(640, 480));
}

QString meaningOf(const Hole &hole)
{
    const LegendEntry entry = legendEntry(hole);
    const int line = testerLineOf(entry.value);
    const QString value
        = line > 0 ? LochkartorText::tr("Leitung %1").arg(entry.value) : entry.value;
    if (entry.heading.isEmpty() && value.isEmpty())
        return LochkartorText::tr("ohne Aufdruck");
    if (entry.heading.isEmpty())
        return value;
    if (value.isEmpty())
        return entry.heading;
    return entry.heading + QStringLiteral(", ") + value;
}

// The card as large as the screen allows, keeping its proportions.
class EnlargedCardView : public QGraphicsView
{
public:
    EnlargedCardView(QGraphicsScene *scene, QWidget *parent)
        : QGraphicsView(scene, parent)
    {
        setWindowFlag(Qt::Window);
        setObjectName(QLatin1String(enlargedCardName));
        setWindowTitle(LochkartorText::tr("Universalkarte"));
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setInteractive(false);
        setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        resize(enlargedCardSize(scene->sceneRect().size()));
        // Closed like any window of its own, though it has no menu.
        auto *close = new QAction(LochkartorText::tr("Schließen"), this);
        QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
        for (const QKeySequence &key :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
            if (!keys.contains(key))
                keys << key;
        close->setShortcuts(keys);
        connect(close, &QAction::triggered, this, &QWidget::close);
        addAction(close);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QGraphicsView::resizeEvent(event);
        fitInView(sceneRect(), Qt::KeepAspectRatio);
    }
    void showEvent(QShowEvent *event) override
    {
        QGraphicsView::showEvent(event);
        fitInView(sceneRect(), Qt::KeepAspectRatio);
    }
    void hideEvent(QHideEvent *event) override
    {
        QGraphicsView::hideEvent(event);
        QSettings().setValue(QLatin1String(enlargedSizeKey), size());
    }
};

class CardViewFilter : public QObject
{
public:
    CardViewFilter(QGraphicsView *view, QGraphicsView *universalView, const CardScenes &cards)
        : QObject(view)
        , m_view(view)
        , m_universalView(universalView)
        , m_cards(cards)
    { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(event);
            const QPointF at = m_view->mapToScene(help->pos());
            const Hole hole = HoleGrid::holeAt(at.x(), at.y());
            if (HoleGrid::isValid(hole))
                QToolTip::showText(help->globalPos(), CardViewHelp::holeToolTip(m_cards, hole),
                                   m_view->viewport());
            else
                QToolTip::hideText();
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick && m_view == m_universalView) {
            CardViewHelp::showEnlargedUniversalCard(m_universalView, m_cards);
            return true;
        }
        return false;
    }

private:
    QGraphicsView *m_view;
    QGraphicsView *m_universalView;
    const CardScenes &m_cards;
};

void watch(QGraphicsView *view, QGraphicsView *universalView, const CardScenes &cards)
{
    view->viewport()->installEventFilter(new CardViewFilter(view, universalView, cards));
}

} // namespace

namespace CardViewHelp {

void install(QGraphicsView *universalView, QGraphicsView *createdView, const CardScenes &cards)
{
    watch(universalView, universalView, cards);
    watch(createdView, universalView, cards);
}

QString holeToolTip(const CardScenes &cards, const Hole &hole)
{
    const QString field
        = hole.field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II");
    const QString state = cards.isPunched(hole) ? LochkartorText::tr("gestanzt")
                                                : LochkartorText::tr("nicht gestanzt");
    return QStringLiteral("%1 %2: %3\n%4").arg(field).arg(hole.number).arg(meaningOf(hole), state);
}

QGraphicsView *showEnlargedUniversalCard(QGraphicsView *universalView, const CardScenes &cards)
{
    auto *enlarged = universalView->window()->findChild<QGraphicsView *>(
        QLatin1String(enlargedCardName), Qt::FindDirectChildrenOnly);
    if (!enlarged) {
        enlarged = new EnlargedCardView(cards.universalScene(), universalView->window());
        watch(enlarged, nullptr, cards);
    }
    enlarged->show();
    enlarged->raise();
    enlarged->activateWindow();
    return enlarged;
}

} // namespace CardViewHelp
