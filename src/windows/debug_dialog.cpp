#include "windows/debug_dialog.h"

#include "desktop/chess_gui_text.h"
#include "windows/chess_gui_dialog_units.h"
#include "windows/chess_gui_modal.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

using DU = CHESS_GUI_DIALOG_UNITS;

namespace {
QPushButton* make_button(QDialog* dialog, const char* text, const char* name, QRect place) {
    auto* button = new QPushButton(QString::fromLatin1(text), dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QListWidget* make_list(QDialog* dialog, const char* name, QRect place) {
    auto* list = new QListWidget(dialog);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(place);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return list;
}
} // namespace

DEBUG_DIALOG::DEBUG_DIALOG(QWidget* owner, std::vector<std::string> labels)
    : QDialog(owner), queue_lst(make_list(this, "queue_lst", DU::rect(171, 21, 102, 154))),
      all_lst(make_list(this, "all_lst", DU::rect(7, 21, 102, 152))),
      add_but(make_button(this, "Add >>", "add_but", DU::rect(118, 28, 41, 15))),
      remove_but(make_button(this, "<< Remove", "remove_but", DU::rect(118, 49, 41, 15))),
      up_but(make_button(this, "Up", "up_but", DU::rect(128, 102, 24, 16))),
      down_but(make_button(this, "Down", "down_but", DU::rect(128, 121, 24, 16))),
      ok_but(make_button(this, "OK", "ok_but", DU::rect(91, 184, 50, 14))),
      cancel_but(make_button(this, "Cancel", "cancel_but", DU::rect(149, 184, 50, 14))),
      all_names(std::move(labels)) {
    setObjectName(QStringLiteral("debug_dialog"));
    setWindowTitle(QStringLiteral("Debug Dialog"));
    setFont(DU::font());
    setFixedSize(DU::size(280, 206));
    ok_but->setDefault(true);
    (new QLabel(QStringLiteral("Available Events"), this))->setGeometry(DU::rect(23, 7, 54, 8));
    (new QLabel(QStringLiteral("Debug Events"), this))->setGeometry(DU::rect(199, 7, 46, 8));
    std::sort(all_names.begin(), all_names.end(), [](const std::string& a, const std::string& b) {
        return QString::compare(CHESS_GUI_TEXT::to_qstring(a), CHESS_GUI_TEXT::to_qstring(b),
                                Qt::CaseInsensitive) < 0;
    });
    connect(add_but, &QPushButton::clicked, this, [this] { add_event(); });
    connect(remove_but, &QPushButton::clicked, this, [this] { remove_event(); });
    connect(up_but, &QPushButton::clicked, this, [this] { move_event(-1); });
    connect(down_but, &QPushButton::clicked, this, [this] { move_event(+1); });
    connect(ok_but, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_but, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::vector<std::string>> DEBUG_DIALOG::ask() {
    fill_lists();
    if (CHESS_GUI_MODAL::run(*this) != QDialog::Accepted) {
        return std::nullopt;
    }
    saved_copy = queued_labels();
    return saved_copy;
}

void DEBUG_DIALOG::fill_lists() {
    all_lst->clear();
    queue_lst->clear();
    for (const std::string& name : all_names) {
        all_lst->addItem(CHESS_GUI_TEXT::to_qstring(name));
    }
    if (saved_copy) {
        for (const std::string& name : *saved_copy) {
            queue_lst->addItem(CHESS_GUI_TEXT::to_qstring(name));
        }
    }
}

void DEBUG_DIALOG::add_event() {
    const QListWidgetItem* chosen = all_lst->currentItem();
    if (!chosen || !chosen->isSelected()) {
        return;
    }
    queue_lst->addItem(chosen->text());
    queue_lst->setCurrentRow(queue_lst->count() - 1);
}

void DEBUG_DIALOG::remove_event() {
    const int row = queue_lst->currentRow();
    if (row < 0 || !queue_lst->currentItem()->isSelected()) {
        return;
    }
    delete queue_lst->takeItem(row);
    if (queue_lst->count() == 0) {
        queue_lst->setCurrentRow(-1);
    } else {
        queue_lst->setCurrentRow(std::min(row, queue_lst->count() - 1));
    }
}

void DEBUG_DIALOG::move_event(int by) {
    const int row = queue_lst->currentRow();
    const int target = row + by;
    if (row < 0 || !queue_lst->currentItem()->isSelected() || target < 0 ||
        target >= queue_lst->count()) {
        return;
    }
    QListWidgetItem* moved = queue_lst->takeItem(row);
    queue_lst->insertItem(target, moved);
    queue_lst->setCurrentRow(target);
}

std::vector<std::string> DEBUG_DIALOG::queued_labels() const {
    std::vector<std::string> labels;
    for (int row = 0; row < queue_lst->count(); ++row) {
        labels.push_back(CHESS_GUI_TEXT::to_std(queue_lst->item(row)->text()));
    }
    return labels;
}
