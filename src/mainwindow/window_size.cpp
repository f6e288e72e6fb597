// The form needs about 1160 x 900 pixels, more than a 1280 x 720 or
// 1280 x 800 laptop screen offers. It sits in a scroll area, so the window
// may be smaller than the form; it opens at the form's full size where the
// screen has room for that, and at the screen's size where it has not.

#include "lochkartor.h"
#include "ui_lochkartor.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

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
    area->setWidget(form);
    setCentralWidget(area);
}

void Lochkartor::fitToScreen()
{
    // The size the form was laid out for, grown to what its layout needs.
    const QSize form = size().expandedTo(ui->centralWidget->minimumSizeHint());
    QSize natural = form + QSize(0, menuBar()->sizeHint().height());
    if (const QScreen *display = screen()) {
        const QSize room = display->availableGeometry().size();
        if (natural.width() > room.width() || natural.height() > room.height())
            natural = natural.boundedTo(room - decoration);
    }
    resize(natural);
}
