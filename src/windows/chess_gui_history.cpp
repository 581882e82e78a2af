#include "windows/chess_gui_history.h"

#include <QHeaderView>

namespace {
const QColor list_background(60, 60, 60);
const QColor list_text(255, 255, 255);
} // namespace

CHESS_GUI_HISTORY::CHESS_GUI_HISTORY(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(column_count);
    setHeaderLabels({QString(), QStringLiteral("White"), QStringLiteral("Black")});
    setColumnWidth(0, 26);
    setColumnWidth(1, 68);
    setColumnWidth(2, 68);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);
    headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, list_background);
    colours.setColor(QPalette::Window, list_background);
    colours.setColor(QPalette::Text, list_text);
    setPalette(colours);
    QFont list_font = font();
    list_font.setPixelSize(12);
    setFont(list_font);
}

void CHESS_GUI_HISTORY::clear_history() {
    clear();
    current_ply_ = 0;
    has_mark_ = false;
}

void CHESS_GUI_HISTORY::add_history_move(const QString& text) {
    const int32_t k = current_ply_;
    if (k % 2 == 0) {
        auto* row = new QTreeWidgetItem;
        row->setText(0, QStringLiteral("%1.").arg(k / 2 + 1, 3));
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        insertTopLevelItem(k / 2, row);
    }
    row_of(k)->setText(column_of(k), text);
    scrollToItem(row_of(k));
    current_ply_ = k + 1;
}

void CHESS_GUI_HISTORY::remove_last_history_move() {
    if (current_ply_ == 0) {
        return;
    }
    const int32_t k = --current_ply_;
    if (has_mark_ && marked_ply_ == k) {
        has_mark_ = false;
    }
    if (k % 2 == 0) {
        delete takeTopLevelItem(k / 2);
    } else {
        row_of(k)->setText(column_of(k), QString());
    }
}

void CHESS_GUI_HISTORY::mark_history_ply(int32_t ply) {
    if (ply < 0 || ply >= current_ply_) {
        return;
    }
    if (has_mark_) {
        if (marked_ply_ == ply) {
            return;
        }
        unmark_history_ply();
    }
    QTreeWidgetItem* row = row_of(ply);
    marked_txt = row->text(column_of(ply));
    row->setText(column_of(ply), QStringLiteral("> ") + marked_txt);
    scrollToItem(row);
    has_mark_ = true;
    marked_ply_ = ply;
}

void CHESS_GUI_HISTORY::unmark_history_ply() {
    if (!has_mark_) {
        return;
    }
    row_of(marked_ply_)->setText(column_of(marked_ply_), marked_txt);
    has_mark_ = false;
}

QString CHESS_GUI_HISTORY::ply_text(int32_t ply) const {
    const QTreeWidgetItem* row = ply >= 0 && ply < current_ply_ ? row_of(ply) : nullptr;
    return row ? row->text(column_of(ply)) : QString();
}

QTreeWidgetItem* CHESS_GUI_HISTORY::row_of(int32_t ply) const {
    return topLevelItem(ply / 2);
}
