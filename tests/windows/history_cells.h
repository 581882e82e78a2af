// Whether every cell of the history list shows its text whole, measured by the item view itself:
// each column's contents fit the column, and the columns fit the viewport beside the scroll bar.
#pragma once

#include "windows/chess_gui_history.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <gtest/gtest.h>

inline void expect_every_cell_whole(CHESS_GUI_HISTORY& list) {
    list.scrollToBottom();
    QCoreApplication::processEvents();
    const QAbstractItemView& view = list; // the tree view's own measure, public here
    int total = 0;
    for (int column = 0; column < CHESS_GUI_HISTORY::column_count; ++column) {
        const int needed = view.sizeHintForColumn(column);
        EXPECT_LE(needed, list.header()->sectionSize(column)) << "column " << column;
        total += needed;
    }
    EXPECT_LE(total, list.viewport()->width());
}
