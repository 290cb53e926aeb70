#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
namespace gibbetry { class PaintedLabel; }
class QPlainTextEdit;
class QPushButton;

namespace gibbetry {

// "v" major "." minor "." revision, each in plain decimal: v1.0.0.
QString versionText(int major, int minor, int revision);

// frmAbout: the title, the version, the maker's web address and an empty "Updates" panel.
// Made afresh at each opening; OK (click, Enter or Escape) or the close box unloads it.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    static const QString website;

    explicit AboutBox(QWidget *parent = nullptr);

    QLabel *picIcon() const { return picIcon_; }
    PaintedLabel *lblTitle() const { return lblTitle_; }
    QLabel *lblVersion() const { return lblVersion_; }
    QGroupBox *fraUpdates() const { return fraUpdates_; }
    QPlainTextEdit *txtUpdates() const { return txtUpdates_; }
    PaintedLabel *lblWebsite() const { return lblWebsite_; }
    QPushButton *cmdOK() const { return cmdOK_; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    // The title in the theme's colours.
    void recolour();
    // Draws the frame's and OK's captions in their fonts, or smaller, or wrapped, as they fit.
    void fitCaptions();

    QLabel *picIcon_ = nullptr;
    PaintedLabel *lblTitle_ = nullptr;
    QLabel *lblVersion_ = nullptr;
    QGroupBox *fraUpdates_ = nullptr;
    QPlainTextEdit *txtUpdates_ = nullptr;
    PaintedLabel *lblWebsite_ = nullptr;
    QPushButton *cmdOK_ = nullptr;
};

} // namespace gibbetry
