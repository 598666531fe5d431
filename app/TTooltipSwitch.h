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
    explicit TTooltipSwitch(QObject* Parent = nullptr);
    ~TTooltipSwitch() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Enabled);

    // How long the pointer must rest before a tooltip shows.
    int HintPause() const;
    void SetHintPause(int Milliseconds);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool FEnabled = true;
};

// The style that carries the hint pause.
class THintPauseStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int Pause = 700;
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* Return) const override;
};

}  // namespace peglore
