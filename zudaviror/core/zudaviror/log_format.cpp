#include "zudaviror/log_format.h"

#include "suite/latin1.h"

namespace zudaviror {

namespace {

std::string twoDigits(int value) {
    const int clamped = ((value % 100) + 100) % 100;
    return {static_cast<char>('0' + clamped / 10), static_cast<char>('0' + clamped % 10)};
}

int twelveHour(int hour) {
    const int onClockFace = hour % 12;
    return onClockFace == 0 ? 12 : onClockFace;
}

const std::string kSessionRule = std::string(23, ' ') + std::string(28, '+');
const std::string kSessionEndRule = std::string(23, ' ') + std::string(28, ',');
const std::string kRecordRule = std::string(11, ' ') + std::string(48, '_');
const std::string kSessionStarted = suite::latin1FromUtf8("SESIÓN INICIADA A LAS   ");
const std::string kTranslationStarted = suite::latin1FromUtf8("TRADUCCIÓN INICIADA A LAS   ");
const std::string kModalFormula = suite::latin1FromUtf8("Fórmula MODAL K } ");
const std::string kManySortedFormula = suite::latin1FromUtf8("Fórmula MULTIVARIADA TRANS/(K) } ");
const std::string kValidityAsked = suite::latin1FromUtf8("¿ES VÁLIDA? PREGUNTADO A LAS   ");

// The record's opening: its rule and when it started.
std::string recordStart(const std::string& started, const LocalTime& time) {
    return "\n\n" + kRecordRule + "\n\n\t" + started + formatLogClock(time) + "     DEL DIA   " +
           formatLogDate(time) + " ";
}

} // namespace

std::string formatLogClock(const LocalTime& time) {
    return twoDigits(twelveHour(time.hour)) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second) +
           (time.hour < 12 ? " AM" : " PM");
}

std::string formatLogDate(const LocalTime& time) {
    return twoDigits(time.day) + "_" + twoDigits(time.month) + "_" + twoDigits(time.year);
}

std::string sessionHeader(const LocalTime& time) {
    std::string header = "\n\n" + kSessionRule + "\n\n";
    header += "\t\t" + kSessionStarted + formatLogClock(time) + "   DEL DIA   " + formatLogDate(time);
    header += "\n\n" + kSessionEndRule + "\n\n";
    return header;
}

std::string translationRecord(const LocalTime& time, std::string_view formula, std::string_view result,
                              std::string_view stepText, bool withSteps) {
    std::string record = recordStart(kTranslationStarted, time);
    record += "\n\n\t _ " + kModalFormula;
    record += formula;
    record += "\n\t _ " + kManySortedFormula;
    record += result;
    if (withSteps) {
        record += "\n\n\t _ PASOS INTERMEDIOS : ";
        record += stepText;
    }
    return record;
}

std::string validityRecord(const LocalTime& time, std::string_view formula, std::string_view system,
                           std::string_view answer, std::string_view countermodel) {
    std::string record = recordStart(kValidityAsked, time);
    record += "\n\n\t _ " + kModalFormula + std::string(formula);
    record += "\n\t _ SISTEMA } " + std::string(system);
    record += "\n\t _ RESPUESTA } " + std::string(answer);
    std::string_view lines = countermodel;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        record += "\n\t   " + std::string(lines.substr(0, end));
        lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
    }
    return record;
}

} // namespace zudaviror
