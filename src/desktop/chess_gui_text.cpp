#include "desktop/chess_gui_text.h"

#include <QStringDecoder>

QString CHESS_GUI_TEXT::to_qstring(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!utf8.hasError()) {
        return decoded;
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string CHESS_GUI_TEXT::to_std(const QString& text) {
    return text.toStdString();
}
