#pragma once

#include <string>

namespace suite {

// Why a call of the operating system failed, from its errno, as a Spanish clause in Latin-1
// ("el disco está lleno"): students never see the system's English texts.
std::string spanishSystemReason(int error);

// Why a folder, or a FIFO, device or socket, is neither read nor written as a file.
std::string folderReason();
std::string notRegularFileReason();

// The clause as a sentence: its first letter capitalised and a full stop at the end.
std::string asSentence(std::string clause);

} // namespace suite
