#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace peglore {

// The dialogs' sans-serif face at a pixel height: Liberation Sans, which
// has Arial's metrics and stands in for the small Windows sans serif too.
QFont DialogFont(int pixelSize, bool bold = false);

// The colour a control draws its text in.
void SetFontColor(QWidget* control, const QColor& color);

}  // namespace peglore
