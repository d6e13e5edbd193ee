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
    std::string record = "\n\n" + kRecordRule;
    record +=
        "\n\n\t" + kTranslationStarted + formatLogClock(time) + "     DEL DIA   " + formatLogDate(time) + " ";
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

} // namespace zudaviror
