#pragma once

#include <filesystem>

namespace mvf {

// The Ramuza loading software takes the item number from the first four characters of each line
// of RAMUZA_ORIGINAL.TXT: they are replaced by the last four digits of the item code
// (characters 9 to 12); lines shorter than 12 characters stay. The file is read in the encoding
// its byte-order mark names (Windows-1252 without one), written back in the same encoding with
// CR LF line ends, and replaced at once, so a failure leaves the file as it was.
void AjustarArquivoRamuza(const std::filesystem::path& arquivo);

} // namespace mvf
