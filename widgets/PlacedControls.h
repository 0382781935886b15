#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed at fixed positions on a panel, as the pages lay out their
// edit areas. Named controls get their name as the Qt object name.
QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, int width = 90);
// A bold label; underlined as well when asked.
QLabel* placeHeading(QWidget* parent, const char* name, const QString& text, int x, int y,
                     int width, bool underlined = false);
QLineEdit* placeEdit(QWidget* parent, const char* name, int x, int y, int width);
QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width, int height = 25);

// An edit that shows a value the person cannot change; a tinted one also
// looks different from the editable ones.
void makeReadOnly(QLineEdit* edit);
void makeReadOnlyTinted(QLineEdit* edit);
