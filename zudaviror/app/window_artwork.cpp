#include "window_artwork.h"

#include "artwork.h"
#include "display.h"

namespace zudaviror::app {

QString coverPictureName() {
    return QStringLiteral("PORTADA");
}

QString symbolKeyPictureName(const SymbolKey& key) {
    return QStringLiteral("key/") + latin1Text(key.name);
}

QString commandKeyPictureName(std::string_view word) {
    return QStringLiteral("command/") + latin1Text(word);
}

QString labelPictureName(const char* words) {
    return QStringLiteral("label/") + QString::fromUtf8(words);
}

QString disabledPictureName(const QString& upPictureName) {
    return upPictureName + QStringLiteral("/X");
}

std::vector<std::pair<QString, QImage>> drawWindowArtwork() {
    std::vector<std::pair<QString, QImage>> pictures;
    const auto addKey = [&pictures](const QString& name, QImage up, bool canBeDisabled) {
        if (canBeDisabled) {
            pictures.emplace_back(disabledPictureName(name), drawDisabledKey(up));
        }
        pictures.emplace_back(name, std::move(up));
    };
    pictures.emplace_back(coverPictureName(), drawCover());
    for (const SymbolKey& key : kSymbolKeys) {
        addKey(symbolKeyPictureName(key), drawSymbolKey(key), true);
    }
    for (const CommandKey& key : kCommandKeys) {
        addKey(commandKeyPictureName(key.word), drawCommandKey(latin1Text(key.word)), key.canBeDisabled);
    }
    for (const LabelPlace& label : kLabelPlaces) {
        pictures.emplace_back(labelPictureName(label.words), drawLabel(QString::fromUtf8(label.words)));
    }
    return pictures;
}

} // namespace zudaviror::app
