// A one-line text beside the board, centred in its box. In normal mode it is a player's name on a
// pale green plate with a bumped edge; in status mode ("Winner!", "Resigns", "no game") it is red
// text straight on the window's background. Setting the text repaints it at once.
#pragma once

#include <QString>
#include <QWidget>

class CHESS_GUI_STATIC : public QWidget {
  public:
    CHESS_GUI_STATIC(QWidget* parent, bool status_mode);

    void set_text(const QString& text);
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paint_bump_edge(class QPainter& painter) const;

    bool status_mode;
    QString text_;
};
