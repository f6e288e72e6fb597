// The form needs about 1160 x 900 pixels and the bars above and below it
// some more, more than a 1280 x 720 or 1280 x 800 laptop screen offers. It sits in a scroll area,
// so the window may be smaller than the form; it opens at the form's full size where the screen has
// room for that, and at the screen's size where it has not.

#include "lochkartor.h"
#include "ui_lochkartor.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

// Room for the title bar and the frame that the window manager adds.
const QSize decoration(16, 48);

} // namespace

void Lochkartor::wrapFormInScrollArea()
{
    QWidget *form = takeCentralWidget();
    auto *area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("formScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The fields take the focus, not the area: typing starts in the first
    // field as before, and a field reached by Tab is scrolled into view.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(form);
    setCentralWidget(area);
}

QSize Lochkartor::naturalSize() const
{
    const QWidget *form = ui->centralWidget;
    QSize natural = form->sizeHint().expandedTo(form->minimumSizeHint());
    // The bars above and below the form take their height from the window
    // too; left out, the form would scroll by just that much.
    natural.rheight() += menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    for (const QToolBar *bar : findChildren<QToolBar *>()) {
        if (!bar->isHidden() && toolBarArea(bar) == Qt::TopToolBarArea)
            natural.rheight() += bar->sizeHint().height();
    }
    return natural;
}

void Lochkartor::fitToScreen()
{
    QSize natural = naturalSize();
    if (const QScreen *display = screen()) {
        const QSize room = display->availableGeometry().size() - decoration;
        // A scroll bar in one direction takes room from the other; the
        // window widens (or heightens) by it so that one bar is enough.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (natural.height() > room.height())
            natural.rwidth() += bar;
        if (natural.width() > room.width())
            natural.rheight() += bar;
        natural = natural.boundedTo(room);
    }
    resize(natural);
}
