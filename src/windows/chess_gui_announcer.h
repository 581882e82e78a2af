// Where the window tells assistive technology what happened: a move played, a notice in the
// chat. It is a one-pixel, read-only text line named "Announcements" that holds the latest
// announcement; every announcement replaces its text, which screen readers hear as a text event
// carrying exactly that text, and which the announced signal reports to the window's own
// listeners (text-to-speech, tests).
#pragma once

#include <QLineEdit>
#include <QString>

class CHESS_GUI_ANNOUNCER : public QLineEdit {
    Q_OBJECT

  public:
    explicit CHESS_GUI_ANNOUNCER(QWidget* parent);

    // Announces text; an empty text is not announced.
    void announce(const QString& text);

  signals:
    void announced(const QString& text);
};
