// Shared pieces of the generation tests: running a mode synchronously into a RecordingSink,
// and reading the names of a result list.
#pragma once

#include <string>
#include <vector>

#include "generation/generation_run.h"
#include "generation/recording_sink.h"
#include "text/gbk.h"

namespace langyue::test {

inline GenerationInputs inputs_for(GenerationMode mode, const std::string& surname_utf8,
                                   const std::string& sex_utf8, int length,
                                   std::uint64_t seed = 7) {
    GenerationInputs inputs;
    inputs.mode = mode;
    inputs.surname = gbk(surname_utf8);
    inputs.sex = gbk(sex_utf8);
    inputs.given_length = length;
    inputs.seed = seed;
    return inputs;
}

inline void run_to_end(const GenerationInputs& inputs, RecordingSink& sink) {
    RunControl control;
    generation_run(inputs, sink, control);
}

// The given names (UTF-8) of a list, top down, after the surname of `surname_bytes` bytes.
inline std::vector<std::string> given_names(const std::vector<ResultRow>& rows,
                                            size_t surname_bytes) {
    std::vector<std::string> names;
    for (const ResultRow& row : rows) {
        names.push_back(gbk_to_utf8(row.cells[ResultRow::kName].substr(surname_bytes)));
    }
    return names;
}

// The log without the row fills, for checking the order of the other changes.
inline std::vector<std::string> log_without_fills(const RecordingSink& sink) {
    std::vector<std::string> lines;
    for (const std::string& line : sink.log()) {
        if (line.rfind("fill ", 0) != 0) lines.push_back(line);
    }
    return lines;
}

}  // namespace langyue::test
