#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed at fixed positions on a panel, as the pages lay out their
// edit areas. Named controls get their name as the Qt object name.
QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, int width = 90,
                   int height = 16);
// A label whose text breaks into lines between words.
QLabel* placeWrappedLabel(QWidget* parent, const QString& text, int x, int y, int width,
                          int height);
// A bold label; underlined as well when asked.
QLabel* placeHeading(QWidget* parent, const char* name, const QString& text, int x, int y,
                     int width, bool underlined = false);
QLineEdit* placeEdit(QWidget* parent, const char* name, int x, int y, int width,
                     const QString& text = QString());
QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width, int height = 25);
QCheckBox* placeCheckBox(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width, int height = 20);
// An editable combo box with a fixed list: a typed text is not added to it.
// The edit starts empty, though the first item (if any) is the current one.
QComboBox* placeCombo(QWidget* parent, const char* name, const QStringList& items, int x, int y,
                      int width, int height = 22);

// An edit or a combo box under its caption: the caption at (x, y), as wide as
// the control; the control captionGap pixels lower, as high as an edit.
constexpr int kCaptionGap = 15;
QLineEdit* placeCaptionedEdit(QWidget* parent, const char* name, const QString& caption, int x,
                              int y, int width, int captionGap = kCaptionGap);
QComboBox* placeCaptionedCombo(QWidget* parent, const char* name, const QString& caption,
                               const QStringList& items, int x, int y, int width);

// An edit that shows a value the person cannot change; a tinted one also
// looks different from the editable ones.
void makeReadOnly(QLineEdit* edit);
void makeReadOnlyTinted(QLineEdit* edit);

void setBold(QWidget* widget);
// The colour of a label's (or any widget's) text.
void setTextColor(QWidget* widget, const QColor& color);
