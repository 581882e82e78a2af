// "Debug Dialog": lets the author of a persona data file fire events by hand. The left list holds
// every event the author can raise, in alphabetical order; the right list is the author's queue,
// kept in the order it was built ("Add >>" appends, "Up" and "Down" move a line). OK answers the
// queue's labels top to bottom and remembers them for the next opening; Cancel answers nothing and
// forgets nothing.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

class DEBUG_DIALOG : public QDialog {
  public:
    // labels: the events by display name, in any order.
    DEBUG_DIALOG(QWidget* owner, std::vector<std::string> labels);

    std::optional<std::vector<std::string>> ask();

    QListWidget* queue_lst;
    QListWidget* all_lst;
    QPushButton* add_but;
    QPushButton* remove_but;
    QPushButton* up_but;
    QPushButton* down_but;
    QPushButton* ok_but;
    QPushButton* cancel_but;

  private:
    void fill_lists();
    void add_event();
    void remove_event();
    void move_event(int by);
    std::vector<std::string> queued_labels() const;

    std::vector<std::string> all_names;
    std::optional<std::vector<std::string>> saved_copy;
};
