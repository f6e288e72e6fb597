#include "card_view_help.h"
#include "cardscenes.h"
#include "legend.h"
#include "texts.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>

namespace {

const char *const enlargedCardName = "enlargedUniversalCard";

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
        const QSizeF card = scene->sceneRect().size();
        QSize size = card.toSize();
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            size = card.scaled(QSizeF(screen->availableSize()) * 0.9, Qt::KeepAspectRatio)
                       .toSize()
                       .expandedTo(QSize(640, 480));
        resize(size);
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
