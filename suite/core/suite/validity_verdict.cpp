#include "suite/validity_verdict.h"

#include "suite/exit_status.h"
#include "suite/json_text.h"

namespace suite {

std::string_view validityWord(Validity validity) {
    switch (validity) {
    case Validity::Valid:
        return "válida";
    case Validity::NotValid:
        return "no válida";
    case Validity::Unknown:
        break;
    }
    return "desconocido";
}

std::string proverStopReason(std::string_view prover, ProverStop stop, std::string_view detail) {
    switch (stop) {
    case ProverStop::TimeLimit:
        return std::string(kTimeLimitReason);
    case ProverStop::Cancelled:
        return std::string(kCancelledReason);
    case ProverStop::OutOfMemory:
        return "el demostrador " + std::string(prover) + " se ha quedado sin memoria";
    case ProverStop::NoAnswer:
        break;
    }
    std::string reason = "el demostrador " + std::string(prover) + " no llega a una respuesta";
    if (!detail.empty()) {
        reason += " (" + std::string(detail) + ")";
    }
    return reason;
}

std::string verdictLine(const ValidityVerdict& verdict) {
    std::string line(validityWord(verdict.validity));
    if (!verdict.reason.empty()) {
        line += ": " + verdict.reason;
    }
    return line;
}

int validityExitStatus(Validity validity) {
    switch (validity) {
    case Validity::Valid:
        return exitCode(ExitStatus::Done);
    case Validity::NotValid:
        return exitCode(ExitStatus::Refused);
    case Validity::Unknown:
        break;
    }
    return exitCode(ExitStatus::Unknown);
}

std::string verdictJson(const ValidityVerdict& verdict, std::string_view fields,
                        std::string_view countermodelJson) {
    std::string json = "{\"verdict\":" + jsonString(validityWord(verdict.validity));
    json += ",\"reason\":" + (verdict.reason.empty() ? std::string("null") : jsonString(verdict.reason));
    if (!fields.empty()) {
        json += ",";
        json += fields;
    }
    json += ",\"countermodel\":";
    json += countermodelJson.empty() ? std::string_view("null") : countermodelJson;
    return json + "}";
}

} // namespace suite
