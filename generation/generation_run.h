// generation_run: one generation run from its inputs to its closing, reporting every visible
// change through a GenerationSink. The frame every run goes through: the waiting window and
// the disabled mode page, the empty-surname message, the mode's preparation, the character
// cache filled before any rating, candidate building, listing, and the closing.
#pragma once

#include "generation/generation_inputs.h"
#include "generation/generation_sink.h"
#include "generation/run_control.h"

namespace langyue {

// "请输入姓氏", shown without an icon by a run started with an empty surname (GBK).
const std::string& missing_surname_message();

// Runs on the generation worker (or any thread). Reads only `inputs` and the database; a run
// cancelled through `control` stops at its next yield point and makes no further change.
// High-score, super-lucky and classic mode are handled here; poetry, combination and nickname
// mode in poetry_modes.h, English mode in english_names.h.
void generation_run(const GenerationInputs& inputs, GenerationSink& sink, RunControl& control);

}  // namespace langyue
