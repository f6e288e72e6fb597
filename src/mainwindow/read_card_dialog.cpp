#include "read_card_dialog.h"

#include "cardscenes.h"
#include "dialogs.h"
#include "hole_input.h"
#include "picture_file.h"
#include "plain_text.h"
#include "print_check.h"
#include "reading_report.h"
#include "scan_reader.h"
#include "scan_report.h"
#include "texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGraphicsEllipseItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The numbers of one field as the text field shows them.
QString numbersOf(const HoleList &holes, int field)
{
    QStringList numbers;
    for (const Hole &hole : holes) {
        if (hole.field == field)
            numbers << QString::number(hole.number);
    }
    return numbers.join(QLatin1Char(' '));
}

// The universal card scaled to whatever room the dialog gives it, so the
// dialog fits small screens with its buttons in view.
class FittedCardView : public QGraphicsView
{
public:
    using QGraphicsView::QGraphicsView;

    QSize sizeHint() const override
    {
        // Half size, hole numbers still legible, where there is room.
        return scene() ? scene()->sceneRect().size().toSize() / 2 + QSize(4, 4) : QSize();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QGraphicsView::resizeEvent(event);
        if (scene())
            fitInView(scene()->sceneRect(), Qt::KeepAspectRatio);
    }
};

} // namespace

ReadCardDialog::ReadCardDialog(QWidget *parent, const QStringList &sockets,
                               std::function<QString(const HoleList &, int)> report)
    : ReadCardDialog(parent, sockets,
                     [report](const HoleList &holes, int socket, const PrintedTexts *) {
                         return report(holes, socket);
                     })
{ }

ReadCardDialog::ReadCardDialog(QWidget *parent, const QStringList &sockets, Report report)
    : QDialog(parent)
    , m_report(std::move(report))
{
    setWindowTitle(LochkartorText::tr("Karte einlesen"));
    m_fieldI = new QLineEdit(this);
    m_fieldII = new QLineEdit(this);
    m_fieldI->setPlaceholderText(LochkartorText::tr("z. B. 9 20 24"));
    m_fieldII->setPlaceholderText(LochkartorText::tr("z. B. 5 6 12"));
    m_socket = new QComboBox(this);
    m_socket->setObjectName(QStringLiteral("readSocket"));
    m_socketNames = sockets;
    offerSockets({});
    auto *jsonButton = new QPushButton(LochkartorText::tr("Aus JSON-Datei…"), this);
    auto *pictureButton = new QPushButton(LochkartorText::tr("Aus Bild der Karte…"), this);
    pictureButton->setObjectName(QStringLiteral("readPictureButton"));
    // Enter confirms, also right after a file was chosen through a button.
    jsonButton->setAutoDefault(false);
    pictureButton->setAutoDefault(false);
    m_cards = std::make_unique<CardScenes>();
    m_cardView = new FittedCardView(m_cards->universalScene(), this);
    m_cardView->setObjectName(QStringLiteral("readCardView"));
    m_cardView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cardView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cardView->setMinimumSize(232, 175);
    m_cardView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_cardView->hide();
    m_reportView = new QPlainTextEdit(this);
    m_reportView->setReadOnly(true);
    m_reportView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_reportView->setMinimumSize(320, 160);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto *form = new QFormLayout;
    form->addRow(LochkartorText::tr("Löcher Feld I:"), m_fieldI);
    form->addRow(LochkartorText::tr("Löcher Feld II:"), m_fieldII);
    auto *sources = new QHBoxLayout;
    sources->addWidget(jsonButton);
    sources->addWidget(pictureButton);
    sources->addStretch();
    form->addRow(QString(), sources);
    form->addRow(LochkartorText::tr("Fassung:"), m_socket);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // The card beside the report: both shrink on a small screen.
    auto *views = new QHBoxLayout;
    views->addWidget(m_cardView, 1);
    views->addWidget(m_reportView, 1);
    layout->addLayout(views, 1);
    layout->addWidget(m_buttons);

    connect(m_fieldI, &QLineEdit::textChanged, this, &ReadCardDialog::update);
    connect(m_fieldII, &QLineEdit::textChanged, this, &ReadCardDialog::update);
    connect(m_socket, &QComboBox::currentIndexChanged, this, &ReadCardDialog::update);
    connect(jsonButton, &QPushButton::clicked, this, &ReadCardDialog::loadJson);
    connect(pictureButton, &QPushButton::clicked, this, &ReadCardDialog::choosePicture);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
    resize(QSize(720, 480).boundedTo(screenRoom()));
}

ReadCardDialog::~ReadCardDialog() = default;

int ReadCardDialog::socket() const
{
    return m_socket->currentData().toInt();
}

void ReadCardDialog::setFittingSockets(std::function<std::vector<int>(const HoleList &)> fitting)
{
    m_fitting = std::move(fitting);
    update();
}

// The fitting sockets first, most likely first, then the others; the first
// entry leaves the choice open, and the form then has the most likely one
// for now, marked as not known from the card.
void ReadCardDialog::offerSockets(const std::vector<int> &fitting)
{
    const bool byFitting = bool(m_fitting);
    const int printed = m_print ? PrintCheck::printedSocket(*m_print, fitting) : -1;
    if (m_socket->count() > 0 && fitting == m_offered && byFitting == m_offeredByFitting
        && printed == m_printedSocket)
        return;
    m_printedSocket = printed;
    m_offered = fitting;
    m_offeredByFitting = byFitting;
    const QSignalBlocker blocker(m_socket);
    const int chosen = m_socket->count() > 0 ? socket() : -1;
    const auto name = [this](int socket) {
        return socket >= 0 && socket < m_socketNames.size() ? m_socketNames.at(socket) : QString();
    };
    m_socket->clear();
    if (!m_fitting)
        m_socket->addItem(LochkartorText::tr("beste passende Fassung"), -1);
    else if (fitting.empty())
        m_socket->addItem(LochkartorText::tr("keine passende Fassung"), -1);
    else if (printed >= 0)
        m_socket->addItem(LochkartorText::tr("aufgedruckt: %1").arg(name(printed)), -1);
    else if (fitting.size() == 1)
        m_socket->addItem(LochkartorText::tr("die einzige passende: %1").arg(name(fitting.front())),
                          -1);
    else
        m_socket->addItem(LochkartorText::tr("nicht gewählt, vorläufig %1 (wahrscheinlichste)")
                              .arg(name(fitting.front())),
                          -1);
    // The printed socket first, then the others most likely first.
    if (printed >= 0)
        m_socket->addItem(name(printed), printed);
    for (int socket : fitting) {
        if (socket != printed)
            m_socket->addItem(name(socket), socket);
    }
    if (!fitting.empty())
        m_socket->insertSeparator(m_socket->count());
    for (int socket = 0; socket < m_socketNames.size(); ++socket) {
        if (std::find(fitting.begin(), fitting.end(), socket) == fitting.end())
            m_socket->addItem(name(socket), socket);
    }
    m_socket->setCurrentIndex(std::max(0, m_socket->findData(chosen)));
}

QSize ReadCardDialog::screenRoom() const
{
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return QSize(1280, 720);
    // The window frame and title take some of the screen.
    return shown->availableGeometry().size() - QSize(16, 48);
}

// After a picture the card shows beside the report: the dialog grows to
// give it room, never past the screen, and stays on it.
void ReadCardDialog::growWithinScreen()
{
    const QSize wanted = sizeHint().expandedTo(size()).boundedTo(screenRoom());
    if (wanted == size())
        return;
    resize(wanted);
    const QScreen *shown = screen();
    if (!shown || !isVisible())
        return;
    const QRect room = shown->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    move(frame.topLeft());
}

// Every change reads the card anew; OK takes only holes that were read.
void ReadCardDialog::update()
{
    const HoleInput::Parsed fieldI = HoleInput::fromNumbers(m_fieldI->text(), HoleGrid::FieldI);
    const HoleInput::Parsed fieldII = HoleInput::fromNumbers(m_fieldII->text(), HoleGrid::FieldII);
    const QString error = !fieldI.error.isEmpty() ? fieldI.error : fieldII.error;
    m_holes = fieldI.holes;
    m_holes.insert(m_holes.end(), fieldII.holes.begin(), fieldII.holes.end());
    const bool readable = error.isEmpty() && !m_holes.empty();
    if (m_fitting)
        offerSockets(readable ? m_fitting(m_holes) : std::vector<int>{});
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(readable);
    // The card shows what OK would read, also after edits to the fields.
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
            const Hole hole{field, number};
            m_cards->setHole(hole,
                             std::find(m_holes.begin(), m_holes.end(), hole) != m_holes.end());
        }
    }
    if (!error.isEmpty())
        m_reportView->setPlainText(m_pictureNote + error);
    else if (m_holes.empty())
        m_reportView->setPlainText(
            m_pictureNote
            + LochkartorText::tr("Die Löcher der Karte eingeben: je Feld die Lochnummern "
                                 "1 bis 72, durch Leerzeichen getrennt."));
    else
        m_reportView->setPlainText(m_pictureNote
                                   + m_report(m_holes, socket(), m_print ? &*m_print : nullptr));
}

bool ReadCardDialog::isCardShown() const
{
    return !m_cardView->isHidden();
}

QString ReadCardDialog::reportText() const
{
    return m_reportView->toPlainText();
}

void ReadCardDialog::choosePicture()
{
    const QString fileName = Dialogs::openFileName(
        this, LochkartorText::tr("Karte aus einem Bild lesen"), QDir::homePath(),
        LochkartorText::tr("Bilder (*.png *.jpg *.jpeg *.tif *.tiff)"));
    if (!fileName.isEmpty())
        readPicture(fileName);
}

bool ReadCardDialog::readPicture(const QString &fileName)
{
    const CardPictureFile file = PictureFile::read(fileName);
    const QString shownName = PlainText::quoted(QDir::toNativeSeparators(fileName));
    if (file.picture.isNull()) {
        m_reportView->setPlainText(
            LochkartorText::tr("%1 lässt sich nicht lesen: %2").arg(shownName, file.error));
        return false;
    }
    ScanReading reading = readCardPicture(file.picture);
    reading.pages = file.pages;
    if (!reading.cardFound) {
        // The holes read so far stay as they were.
        m_reportView->setPlainText(shownName + QStringLiteral(": ") + reading.failure);
        return false;
    }
    m_print = readPrintedTexts(file.picture, reading);
    m_pictureNote
        = shownName + QStringLiteral(":\n") + ScanReport::text(reading) + QLatin1Char('\n');
    markUncertain(reading.uncertain);
    m_cardView->show();
    layout()->activate();
    growWithinScreen();
    const QSignalBlocker blockI(m_fieldI);
    const QSignalBlocker blockII(m_fieldII);
    m_fieldI->setText(numbersOf(reading.holes, HoleGrid::FieldI));
    m_fieldII->setText(numbersOf(reading.holes, HoleGrid::FieldII));
    update();
    return true;
}

// A red ring around each position the picture left in doubt.
void ReadCardDialog::markUncertain(const HoleList &positions)
{
    for (QGraphicsItem *ring : m_doubtRings)
        delete ring;
    m_doubtRings.clear();
    QPen pen(Qt::red);
    pen.setWidth(3);
    const int margin = 5;
    for (const Hole &hole : positions) {
        const QRectF around(HoleGrid::markerX(hole.number) - margin,
                            HoleGrid::markerY(hole.field, hole.number) - margin,
                            HoleGrid::MarkerSize + 2 * margin, HoleGrid::MarkerSize + 2 * margin);
        m_doubtRings.push_back(m_cards->universalScene()->addEllipse(around, pen));
    }
}

void ReadCardDialog::loadJson()
{
    const QString fileName
        = Dialogs::openFileName(this, LochkartorText::tr("Löcher aus JSON-Datei"), QDir::homePath(),
                                QStringLiteral("*.json"));
    if (fileName.isEmpty())
        return;
    const HoleInput::Parsed parsed = HoleInput::fromJsonFile(fileName);
    if (!parsed.error.isEmpty()) {
        m_reportView->setPlainText(PlainText::quoted(QDir::toNativeSeparators(fileName))
                                   + QStringLiteral(": ") + parsed.error);
        return;
    }
    // The texts the file gives stand for the card's print.
    if (parsed.printGiven)
        m_print = parsed.print;
    const QSignalBlocker blockI(m_fieldI);
    const QSignalBlocker blockII(m_fieldII);
    m_fieldI->setText(numbersOf(parsed.holes, HoleGrid::FieldI));
    m_fieldII->setText(numbersOf(parsed.holes, HoleGrid::FieldII));
    update();
}
