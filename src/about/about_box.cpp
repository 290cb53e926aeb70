#include "about/about_box.h"

#include "platform/contrast.h"
#include "platform/fonts.h"
#include "platform/painted_label.h"
#include "platform/text_fit.h"
#include "platform/window.h"
#include "version.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gibbetry {

const QString AboutBox::website = QStringLiteral("gibbetry.example.org");

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("v%1.%2.%3").arg(major).arg(minor).arg(revision);
}

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    makeFixedDialog(*this, 500, 363); // 7500 x 5445 twips

    picIcon_ = new QLabel(this);
    picIcon_->setGeometry(fromTwips(240, 240, 540, 540));
    picIcon_->setPixmap(appIcon().pixmap(32, 32));
    picIcon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle_ = new PaintedLabel(this, false);
    lblTitle_->setText(QStringLiteral("Gibbetry"));
    lblTitle_->setGeometry(fromTwips(1050, 240, 3885, 360));
    lblTitle_->setFont(msSansSerif(12, true));

    lblVersion_ = new QLabel(this);
    lblVersion_->setGeometry(fromTwips(1080, 600, 3885, 345));
    lblVersion_->setFont(msSansSerif(12, true));

    fraUpdates_ = new QGroupBox(tr("Updates"), this);
    fraUpdates_->setGeometry(fromTwips(120, 2280, 7335, 2655));
    fraUpdates_->setFont(msSansSerif(9.75, true));

    // Nothing reads the panel, so nothing can be typed into it.
    txtUpdates_ = new QPlainTextEdit(fraUpdates_);
    txtUpdates_->setGeometry(fromTwips(120, 360, 7095, 2175));
    txtUpdates_->setFont(msSansSerif(8, false)); // the default font, not the frame's
    txtUpdates_->setReadOnly(true);
    txtUpdates_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    lblWebsite_ = new PaintedLabel(this, false);
    lblWebsite_->setText(website);
    lblWebsite_->setGeometry(fromTwips(1050, 5040, 4725, 360));
    lblWebsite_->setFont(msSansSerif(12, true));
    lblWebsite_->setAlignment(Qt::AlignCenter);
    lblWebsite_->setColours(QColor(0, 0, 255), Qt::white);

    // OK is both the default button (Enter) and the cancel button (Escape closes the dialog).
    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setGeometry(fromTwips(6120, 5040, 1260, 345));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    // Of these only OK and the text box take the focus; the rest keep their place for the record.
    QWidget *order[] = {cmdOK_, picIcon_, lblTitle_, lblVersion_, fraUpdates_, txtUpdates_, lblWebsite_};
    for (int i = 0; i + 1 < int(std::size(order)); ++i)
        setTabOrder(order[i], order[i + 1]);
    cmdOK_->setFocus();

    Form_Load();
    fitCaptions();
    mirrorForLayoutDirection(*this);
}

void AboutBox::changeEvent(QEvent *event)
{
    // Also while the constructor sets the window up, before the title exists.
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) &&
        lblTitle_)
        recolour();
    if (event->type() == QEvent::StyleChange && cmdOK_)
        fitCaptions();
    QDialog::changeEvent(event);
}

void AboutBox::fitCaptions()
{
    // Each caption in its font, or as much smaller as the style and the language ask.
    fitCaption(*fraUpdates_, msSansSerif(9.75, true));
    fitCaption(*cmdOK_, font()); // the window's default font
}

void AboutBox::showEvent(QShowEvent *event)
{
    recolour();
    QDialog::showEvent(event);
}

void AboutBox::recolour()
{
    // The title's black on the window's own colour; on a ground black does not read on, the
    // theme's text colour (the light desktop's black), in a shade that reads.
    const QColor ground = palette().color(QPalette::Window);
    const QColor title = contrastRatio(Qt::black, ground) >= textContrast
                             ? QColor(Qt::black)
                             : readableShade(palette().color(QPalette::WindowText), ground,
                                             textContrast);
    lblTitle_->setColours(ground, title);
}

void AboutBox::Form_Load()
{
    //: The About box's title; %1 is the game's name, Gibbetry.
    setWindowTitle(tr("About %1").arg(QLatin1String(applicationTitle)));
    lblVersion_->setText(versionText(version::major, version::minor, version::revision));
}

} // namespace gibbetry
