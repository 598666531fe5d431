#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace peglore {

// The application's active form: the last of the program's windows to
// have held the keyboard focus. Switching to another program or
// minimising leaves it as it was; an open modal box or dialog is it.
class TActiveFormTracker : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application.
    explicit TActiveFormTracker(QObject* parent = nullptr);
    ~TActiveFormTracker() override;

    QWidget* ActiveForm() const;
    // Records a window as activated (also used by the tests' offscreen runs).
    void Activated(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> FLast;
};

}  // namespace peglore
