#include "windows/chess_gui_history.h"

#include "desktop/chess_gui_focus_frame.h"
#include "desktop/chess_gui_zoom.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

namespace {
const QColor list_background(60, 60, 60);
const QColor list_text(255, 255, 255);
// The widest texts a move can have: a capture promoting with check, an en-passant capture with
// check, and long castling with check.
constexpr const char* widest_moves[] = {"e7xd8 =Q+", "e5xd6 e.p.+", "o-o-o+"};
} // namespace

CHESS_GUI_HISTORY::CHESS_GUI_HISTORY(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(column_count);
    setHeaderLabels({QString(), QStringLiteral("White"), QStringLiteral("Black")});
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
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, list_background);
    colours.setColor(QPalette::Window, list_background);
    colours.setColor(QPalette::Text, list_text);
    setPalette(colours);
    QFont list_font = font();
    list_font.setPixelSize(preferred_pixel_size);
    setFont(list_font);
    fit_columns();
    connect(this, &QAbstractItemView::clicked, this, &CHESS_GUI_HISTORY::request_clicked);
}

void CHESS_GUI_HISTORY::set_zoom(int32_t percent) {
    zoom_ = percent;
    fit_columns();
}

void CHESS_GUI_HISTORY::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    fit_columns();
}

void CHESS_GUI_HISTORY::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fit_columns();
    }
}

// The columns are measured in the font in use: the widest move number and the widest move texts,
// with the mark in front, fit whole beside a vertical scroll bar. Only when they cannot fit the
// list's width at all does the font become smaller.
void CHESS_GUI_HISTORY::fit_columns() {
    const int available = width() - 2 * frameWidth() -
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QFont measured = font();
    const int smallest = CHESS_GUI_ZOOM::scaled(smallest_pixel_size, zoom_);
    for (int size = CHESS_GUI_ZOOM::scaled(preferred_pixel_size, zoom_); size >= smallest; --size) {
        measured.setPixelSize(size);
        const QFontMetrics metrics(measured);
        const int number_width = cell_width(metrics, QStringLiteral("999."));
        int move_width = 0;
        for (const char* text : widest_moves) {
            move_width = std::max(move_width,
                                  cell_width(metrics, QStringLiteral("> ") + QLatin1String(text)));
        }
        if (number_width + 2 * move_width <= available || size == smallest) {
            if (measured != font()) {
                setFont(measured); // comes back here through the font change
                return;
            }
            setColumnWidth(0, number_width);
            setColumnWidth(1, move_width);
            setColumnWidth(2, move_width);
            return;
        }
    }
}

// A cell's text plus the margins the item view keeps on both sides of it.
int CHESS_GUI_HISTORY::cell_width(const QFontMetrics& metrics, const QString& text) const {
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return metrics.horizontalAdvance(text) + 2 * margin + 1;
}

void CHESS_GUI_HISTORY::clear_history() {
    clear();
    moves_.clear();
    current_ply_ = 0;
    has_mark_ = false;
}

void CHESS_GUI_HISTORY::add_history_move(const QString& text, const QString& san) {
    const int32_t k = current_ply_;
    moves_.push_back({text, san});
    if (k % 2 == 0) {
        auto* row = new QTreeWidgetItem;
        row->setText(0, QStringLiteral("%1.").arg(k / 2 + 1, 3));
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        insertTopLevelItem(k / 2, row);
    }
    row_of(k)->setText(column_of(k), shown_text(k));
    scrollToItem(row_of(k));
    current_ply_ = k + 1;
}

void CHESS_GUI_HISTORY::remove_last_history_move() {
    if (current_ply_ == 0) {
        return;
    }
    const int32_t k = --current_ply_;
    moves_.pop_back();
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

QString CHESS_GUI_HISTORY::shown_text(int32_t ply) const {
    const MOVE_TEXTS& texts = moves_[static_cast<size_t>(ply)];
    return standard_notation_ ? texts.san : texts.coordinates;
}

void CHESS_GUI_HISTORY::show_standard_notation(bool on) {
    if (on == standard_notation_) {
        return;
    }
    const bool marked = has_mark_;
    const int32_t mark = marked_ply_;
    unmark_history_ply();
    standard_notation_ = on;
    for (int32_t ply = 0; ply < current_ply_; ++ply) {
        row_of(ply)->setText(column_of(ply), shown_text(ply));
    }
    if (marked) {
        mark_history_ply(mark);
    }
}

// A click on a move shows the position after it; a click on a move number, the position after
// white's move of that row.
void CHESS_GUI_HISTORY::request_clicked(const QModelIndex& index) {
    if (!index.isValid() || index.parent().isValid()) {
        return;
    }
    const int32_t ply = index.row() * 2 + (index.column() == 2 ? 1 : 0);
    if (ply < current_ply_) {
        emit position_requested(ply + 1);
    }
}

void CHESS_GUI_HISTORY::keyPressEvent(QKeyEvent* event) {
    const int32_t shown = shown_position();
    int32_t wanted = shown;
    switch (event->key()) {
    case Qt::Key_Left:
        wanted = std::max(shown - 1, 0);
        break;
    case Qt::Key_Right:
        wanted = std::min(shown + 1, current_ply_);
        break;
    case Qt::Key_Home:
        wanted = 0;
        break;
    case Qt::Key_End:
        wanted = current_ply_;
        break;
    default:
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (wanted != shown) {
        emit position_requested(wanted);
    }
}

QString CHESS_GUI_HISTORY::ply_text(int32_t ply) const {
    const QTreeWidgetItem* row = ply >= 0 && ply < current_ply_ ? row_of(ply) : nullptr;
    return row ? row->text(column_of(ply)) : QString();
}

QTreeWidgetItem* CHESS_GUI_HISTORY::row_of(int32_t ply) const {
    return topLevelItem(ply / 2);
}

void CHESS_GUI_HISTORY::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    CHESS_GUI_FOCUS_FRAME::draw(*this, *viewport());
}

void CHESS_GUI_HISTORY::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    viewport()->update();
}

void CHESS_GUI_HISTORY::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}
