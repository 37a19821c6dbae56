// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/AboutWindow.h"

#include "core/Logging.h"
#include "core/app/AboutTexts.h"
#include "core/app/Links.h"
#include "core/app/SystemInformation.h"
#include "core/motion/Twips.h"
#include "core/platform/ProgramStarter.h"
#include "core/platform/UrlOpener.h"
#include "ui/art/Artwork.h"
#include "ui/art/ShellFonts.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace tarvelin
{

namespace
{

void rule(QWidget* parent, const char* name, const QRect& place, QFrame::Shape shape)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(place);
    line->setFrameShape(shape);
    line->setStyleSheet(art::paletteStyleSheet(QStringLiteral("QFrame { color: $aboutRule; }")));
}

} // namespace

AboutWindow::AboutWindow(const Registry& registry, ProgramStarter& programs, UrlOpener& urls,
                         FormScroll::SlidePace slidePace, QWidget* owner)
    : QDialog(owner), registry_(registry), programs_(programs), urls_(urls), slidePace_(slidePace)
{
    setObjectName(QStringLiteral("dtrAbout"));
    setWindowTitle(QString::fromLatin1(kAboutCaption));
    setAccessibleName(windowTitle());
    setWindowModality(Qt::WindowModal);
    setWindowIcon(art::applicationIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, art::kCream);
    setPalette(colours);

    buildHeader();
    buildCredits();
    buildFooter();
    fillLabels();
    setFixedSize(twipsToPixels(7200), twipsToPixels(5550));
}

void AboutWindow::buildHeader()
{
    const QRect iconPlace = twipsRect(240, 240, 960, 960);
    QLabel* icon = placedLabel(this, "Image2", iconPlace);
    icon->setPixmap(art::iconPixmap(iconPlace.width()));
    icon->setAccessibleName(QStringLiteral("Tarvelin Setup Utility icon"));

    QLabel* product = placedLabel(this, "Label1", twipsRect(1380, 210, 5580, 480),
                                  QString::fromLatin1(kProductName));
    product->setFont(arialBlackFont(15));
    QPalette gold = product->palette();
    gold.setColor(QPalette::WindowText, art::kGold);
    product->setPalette(gold);

    placedLabel(this, "lblTitle", twipsRect(1380, 720, 5580, 270));
    placedLabel(this, "lblVersion", twipsRect(1380, 990, 5580, 270));
    placedLabel(this, "lblDescription", twipsRect(1380, 1260, 5580, 270));
    rule(this, "Line1", twipsRect(240, 1650, 6720, 30), QFrame::HLine);
    placedLabel(this, "Label2", twipsRect(240, 1770, 6720, 270), QString::fromLatin1(kTestedOn));
    placedLabel(this, "Label3", twipsRect(240, 2070, 6720, 270), QString::fromLatin1(kAuthorLine));
}

void AboutWindow::buildCredits()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(240, 2430, 6720, 1920));
    frame->setStyleSheet(
        art::paletteStyleSheet(QStringLiteral("QFrame#Frame1 { border: 1px solid $panelBorder; "
                                              "border-radius: 8px; background: $panelFill; }"
                                              "QLabel { color: $cream; }")));
    QLabel* heading =
        placedLabel(frame, "Label7", twipsRect(180, 120, 3000, 300), QStringLiteral("CREDITS"));
    heading->setFont(impactFont(11));
    heading->setStyleSheet(art::paletteStyleSheet(QStringLiteral("QLabel { color: $gold; }")));

    const char* const names[] = {"Label6", "Label8", "Label9", "Label10", "Label11"};
    const QStringList credits = creditLines();
    int top = 480;
    for (int i = 0; i < 5; ++i, top += 270)
        placedLabel(frame, names[i], twipsRect(180, top, 6360, 270), credits.value(i));
}

void AboutWindow::buildFooter()
{
    rule(this, "Line2", twipsRect(240, 4470, 6720, 30), QFrame::HLine);
    QLabel* mailHeading =
        placedLabel(this, "Label4", twipsRect(240, 4620, 1500, 270), QStringLiteral("E-MAIL US"));
    mailHeading->setFont(impactFont(10));

    const QRect mailPlace = twipsRect(240, 4890, 720, 480);
    auto* mail = new ClickableLabel(this);
    mail->setObjectName(QStringLiteral("Image1"));
    mail->setGeometry(mailPlace);
    mail->setPixmap(art::emblemPicture(art::Emblem::Mail, mailPlace.size()));
    mail->setAccessibleName(QStringLiteral("E-mail the makers"));
    mail->setToolTip(QString::fromLatin1(links::MailAddress).mid(7));
    connect(mail, &ClickableLabel::clicked, this,
            [this] { urls_.openUrl(QString::fromLatin1(links::MailAddress)); });
    placedLabel(this, "Label5", twipsRect(1080, 5010, 2250, 270));
    rule(this, "Line3", twipsRect(3540, 4590, 30, 840), QFrame::VLine);

    const QRect infoPlace = twipsRect(3750, 4650, 1560, 660);
    auto* info =
        placedSoftButton(this, "VBUSoftButton2", infoPlace, QStringLiteral("System information"));
    info->setPicture(art::commandPicture(art::Emblem::Monitor, QStringLiteral("SYS INFO"),
                                         infoPlace.size(), art::kGold));
    connect(info, &QAbstractButton::clicked, this, &AboutWindow::startSystemInformation);

    const QRect closePlace = twipsRect(5430, 4650, 1560, 660);
    auto* close = placedSoftButton(this, "VBUSoftButton1", closePlace,
                                   QStringLiteral("Close the about window"));
    close->setPicture(art::commandPicture(art::Emblem::CloseLeft, QStringLiteral("CLOSE"),
                                          closePlace.size(), art::kGold));
    connect(close, &QAbstractButton::clicked, this, &AboutWindow::closeBySliding);
}

void AboutWindow::fillLabels()
{
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(programVersionLabel());
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(QString::fromLatin1(kApplicationTitle));
    findChild<QLabel*>(QStringLiteral("lblDescription"))
        ->setText(QString::fromLatin1(kFileDescription));
}

void AboutWindow::startSystemInformation()
{
    showCommandOutcome(this, StartSysInfo(registry_, programs_), lcStarter());
}

void AboutWindow::closeBySliding()
{
    FormScroll::scrollOut(*this, SlideDirection::Left, slidePace_);
    close();
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintBackdrop(painter, rect());
}

} // namespace tarvelin
