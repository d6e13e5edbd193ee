#include "osmira/report/report_picture_names.h"

#include <unordered_set>

namespace osmira {

namespace {

constexpr std::string_view kExtension = ".jpg";
// A file name holds at most 255 bytes; the picture's is UTF-8 with ".jpg" after it.
constexpr std::size_t kLongestName = 255;
// A derived name is cut shorter, to leave room for its number.
constexpr std::size_t kLongestDerivedName = 200;

bool isLatin1Letter(unsigned char c) {
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

// What a name may hold anywhere: nothing a file system, a URL or the page would read otherwise.
bool mayStandInAName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           isLatin1Letter(byte) || c == ' ' || c == '-' || c == '_' || c == '.' || c == ',' || c == '(' ||
           c == ')';
}

std::size_t utf8Length(std::string_view latin1) {
    std::size_t length = 0;
    for (const char c : latin1) {
        length += static_cast<unsigned char>(c) < 0x80 ? 1 : 2;
    }
    return length;
}

// Names compared as a file system that ignores letter case compares them.
std::string folded(std::string_view latin1) {
    std::string text(latin1);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
            c = static_cast<char>(byte + 0x20);
        }
    }
    return text;
}

std::string derivedStem(std::string_view title, int place) {
    std::string stem;
    for (const char c : title) {
        if (stem.empty() && (c == '.' || c == ' ')) {
            continue;
        }
        const char kept = mayStandInAName(c) ? c : '_';
        if (utf8Length(stem) + utf8Length(std::string_view(&kept, 1)) > kLongestDerivedName) {
            break;
        }
        stem += kept;
    }
    return stem.empty() ? stepTitle(place) : stem;
}

} // namespace

bool isPlainPictureName(std::string_view title) {
    if (title.empty() || title.front() == '.' || title.front() == ' ' ||
        utf8Length(title) + kExtension.size() > kLongestName) {
        return false;
    }
    for (const char c : title) {
        if (!mayStandInAName(c)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> stepPictureNames(const CEjercicio& exercise,
                                          const std::vector<std::string>& namesInUse) {
    std::unordered_set<std::string> taken;
    for (const std::string& name : namesInUse) {
        taken.insert(folded(name));
    }
    const auto& steps = exercise.GetSteps();
    std::vector<std::string> names(steps.size());
    // Plain titles first, so that a derived name never takes a designed one.
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string& title = steps[i]->GetTitle();
        if (isPlainPictureName(title) && taken.insert(folded(title + std::string(kExtension))).second) {
            names[i] = title + std::string(kExtension);
        }
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (!names[i].empty()) {
            continue;
        }
        const std::string stem = derivedStem(steps[i]->GetTitle(), static_cast<int>(i) + 1);
        std::string name = stem + std::string(kExtension);
        for (int number = 2; !taken.insert(folded(name)).second; ++number) {
            name = stem + " (" + std::to_string(number) + ")" + std::string(kExtension);
        }
        names[i] = std::move(name);
    }
    return names;
}

} // namespace osmira
