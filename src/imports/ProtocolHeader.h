#pragma once

#include "ImportSheet.h"

#include <QString>

#include <optional>

namespace trelimor {

// The header of a protocol spreadsheet: what it fills into a new batch's frame. A value the
// header does not give stays unset, and the frame keeps its proposal.
struct ProtocolHeader
{
    // Row 1 names a protocol: a new batch is started.
    bool isProtocol = false;
    // A label the layout requires (rows 12, 13, 15) is missing: the values read before it are
    // set, those after it are not, and the header is not complete.
    bool refused = false;

    std::optional<QString> TextDataUboju;
    std::optional<QString> TextDataPobr;
    std::optional<QString> TextGodzUboju;
    std::optional<QString> TextGodzPobr;
    std::optional<QString> TextZaklad;
    std::optional<QString> TextPowiat;
    // Below the samples, up to the sampler's signature row, which completes the header.
    std::optional<QString> ComboProceduraPobierania;
    std::optional<QString> ComboPlanPobierania;
    std::optional<QString> ComboPobral;
    // The last number met in column 1 (the samples' running numbers): set when complete.
    std::optional<QString> TextIlProbek;
};

ProtocolHeader readProtocolHeader(const ImportSheet& sheet);

} // namespace trelimor
