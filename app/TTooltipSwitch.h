#pragma once

#include <QObject>
#include <QProxyStyle>

namespace peglore {

// The application-wide tooltip switch and the hint pause: while switched
// off, no tooltip appears anywhere in the application.
class TTooltipSwitch : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application.
    explicit TTooltipSwitch(QObject* parent = nullptr);
    ~TTooltipSwitch() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    // How long the pointer must rest before a tooltip shows.
    int HintPause() const;
    void SetHintPause(int milliseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FEnabled = true;
};

// The style that carries the hint pause.
class THintPauseStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int Pause = 700;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* hintReturn) const override;
};

}  // namespace peglore
