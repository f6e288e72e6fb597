#include "read_card_dialog.h"

#include "cardscenes.h"
#include "dialogs.h"
#include "hole_input.h"
#include "picture_file.h"
#include "plain_text.h"
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
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

} // namespace

ReadCardDialog::ReadCardDialog(QWidget *parent, const QStringList &sockets,
                               std::function<QString(const HoleList &, int)> report)
    : QDialog(parent)
    , m_report(std::move(report))
{
    setWindowTitle(LochkartorText::tr("Karte einlesen"));
    m_fieldI = new QLineEdit(this);
    m_fieldII = new QLineEdit(this);
    m_fieldI->setPlaceholderText(LochkartorText::tr("z. B. 9 20 24"));
    m_fieldII->setPlaceholderText(LochkartorText::tr("z. B. 5 6 12"));
    m_socket = new QComboBox(this);
    m_socket->addItem(LochkartorText::tr("beste passende Fassung"));
    m_socket->addItems(sockets);
    auto *jsonButton = new QPushButton(LochkartorText::tr("Aus JSON-Datei…"), this);
    auto *pictureButton = new QPushButton(LochkartorText::tr("Aus Bild der Karte…"), this);
    pictureButton->setObjectName(QStringLiteral("readPictureButton"));
    m_cards = std::make_unique<CardScenes>();
    m_cardView = new QGraphicsView(m_cards->universalScene(), this);
    m_cardView->setObjectName(QStringLiteral("readCardView"));
    // Half size: the whole card beside the report, hole numbers still legible.
    m_cardView->setTransform(QTransform::fromScale(0.5, 0.5));
    m_cardView->setFixedSize(m_cards->universalScene()->sceneRect().size().toSize() / 2
                             + QSize(4, 4));
    m_cardView->hide();
    m_reportView = new QPlainTextEdit(this);
    m_reportView->setReadOnly(true);
    m_reportView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_reportView->setMinimumSize(560, 380);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

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
    layout->addWidget(m_cardView, 0, Qt::AlignHCenter);
    layout->addWidget(m_reportView);
    layout->addWidget(m_buttons);

    connect(m_fieldI, &QLineEdit::textChanged, this, &ReadCardDialog::update);
    connect(m_fieldII, &QLineEdit::textChanged, this, &ReadCardDialog::update);
    connect(m_socket, &QComboBox::currentIndexChanged, this, &ReadCardDialog::update);
    connect(jsonButton, &QPushButton::clicked, this, &ReadCardDialog::loadJson);
    connect(pictureButton, &QPushButton::clicked, this, &ReadCardDialog::choosePicture);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
}

ReadCardDialog::~ReadCardDialog() = default;

int ReadCardDialog::socket() const
{
    return m_socket->currentIndex() - 1;
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
        m_reportView->setPlainText(m_pictureNote + m_report(m_holes, socket()));
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
    m_pictureNote
        = shownName + QStringLiteral(":\n") + ScanReport::text(reading) + QLatin1Char('\n');
    markUncertain(reading.uncertain);
    m_cardView->show();
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
    m_fieldI->setText(numbersOf(parsed.holes, HoleGrid::FieldI));
    m_fieldII->setText(numbersOf(parsed.holes, HoleGrid::FieldII));
}
