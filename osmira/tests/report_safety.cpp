#include "report_safety.h"

#include "osmira/report/informe.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>
#include <vector>

namespace osmira::test {

namespace {

class RecordedPictures : public ReportPictureWriter {
  public:
    std::optional<std::string> writeDiagram(const std::string& path, const COsmiraDoc&) override {
        paths.push_back(path);
        return std::nullopt;
    }
    std::optional<std::string> writeDrawing(const std::string& path, int, int,
                                            const std::function<void(Canvas&)>&) override {
        paths.push_back(path);
        return std::nullopt;
    }
    std::vector<std::string> paths;
};

constexpr const char* kFolder = "carpeta/";

struct Report {
    std::string page;
    std::vector<std::string> pictures;
};

Report reportOf(const CEjercicio& exercise, const std::string& pageName) {
    Informe informe(exercise);
    informe.SetOptions(true, true, true, true, true, true, true, true);
    RecordedPictures pictures;
    std::string page = informe.generate(kFolder, pictures, pageName).page;
    return {std::move(page), std::move(pictures.paths)};
}

// The same number of bytes, line feeds where they were, nothing a page could read as markup.
std::string plain(const std::string& text) {
    std::string neutral(text.size(), 'x');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            neutral[i] = '\n';
        }
    }
    return neutral;
}

// The exercise's texts, to be set and put back.
struct Texts {
    std::string title, author, description;
    std::vector<std::pair<std::string, std::string>> steps; // title, comment
};

Texts textsOf(const CEjercicio& exercise) {
    Texts texts{exercise.GetTitle(), exercise.GetAuthor(), exercise.GetDescription(), {}};
    for (const auto& step : exercise.GetSteps()) {
        texts.steps.emplace_back(step->GetTitle(), step->GetComment());
    }
    return texts;
}

void setTexts(CEjercicio& exercise, const Texts& texts,
              const std::function<std::string(const std::string&)>& as) {
    exercise.SetTitle(as(texts.title));
    exercise.SetAuthor(as(texts.author));
    exercise.SetDescription(as(texts.description));
    for (std::size_t i = 0; i < texts.steps.size(); ++i) {
        exercise.GetSteps()[i]->SetTitle(as(texts.steps[i].first));
        exercise.GetSteps()[i]->SetComment(as(texts.steps[i].second));
    }
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<std::string> pictureFault(const std::vector<std::string>& paths, const std::string& pageName) {
    std::set<std::string> names{lowerCase(pageName)};
    for (const std::string& path : paths) {
        const std::string folder(kFolder);
        if (path.compare(0, folder.size(), folder) != 0) {
            return "a picture outside the folder: " + path;
        }
        const std::string name = path.substr(folder.size());
        if (name.empty() || name.front() == '.' || name.find('/') != std::string::npos ||
            name.find('\0') != std::string::npos) {
            return "a picture name that is not a plain file name: " + name;
        }
        if (!names.insert(lowerCase(name)).second) {
            return "a picture name taken twice: " + name;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> reportFault(CEjercicio& exercise, const std::string& pageName) {
    const Report report = reportOf(exercise, pageName);
    for (const char c : report.page) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F) {
            return "a control byte in the page: " + std::to_string(byte);
        }
    }
    if (std::optional<std::string> fault = pictureFault(report.pictures, pageName)) {
        return fault;
    }
    const Texts texts = textsOf(exercise);
    setTexts(exercise, texts, plain);
    const Report plainReport = reportOf(exercise, pageName);
    setTexts(exercise, texts, [](const std::string& text) { return text; });
    if (std::count(report.page.begin(), report.page.end(), '<') !=
        std::count(plainReport.page.begin(), plainReport.page.end(), '<')) {
        return std::string("the texts changed the page's markup");
    }
    return std::nullopt;
}

} // namespace osmira::test
