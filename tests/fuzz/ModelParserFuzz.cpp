// Fuzz target: the model file parser. Whatever it accepts, the model writer must write again (the writer
// refuses only what the parser would refuse), no longer than the input (nothing was read past its end), and
// the written file must parse and write to the same bytes. Accepted files also go through BaseModel, which
// derives the centre and radius the server uses.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "ScratchFile.h"
#include "shared/BaseModel.h"
#include "shared/ModelParser.h"
#include "shared/ModelWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ModelFileData model;
    std::string error;
    if (!ParseModelFile(std::span(data, size), model, error)) {
        FUZZ_CHECK(!error.empty());
        FUZZ_CHECK(model == ModelFileData{});
        return 0;
    }
    std::vector<std::uint8_t> written;
    FUZZ_CHECK_MESSAGE(WriteModelFile(model, written, error), error);
    FUZZ_CHECK(written.size() <= size);

    ModelFileData reparsed;
    FUZZ_CHECK_MESSAGE(ParseModelFile(std::span(written), reparsed, error), error);
    std::vector<std::uint8_t> rewritten;
    FUZZ_CHECK_MESSAGE(WriteModelFile(reparsed, rewritten, error), error);
    FUZZ_CHECK(rewritten == written);

    static const std::string path = fuzz::ScratchPath(".ZMD");
    if (fuzz::WriteScratch(path, data, size)) {
        BaseModel loaded;
        FUZZ_CHECK(loaded.LoadModel(path));
        FUZZ_CHECK(loaded.GetBoxes().size() == model.boxes.size());
        FUZZ_CHECK(loaded.GetSpheres().size() == model.spheres.size());
        FUZZ_CHECK(loaded.GetVertexCount() == 0);
    }
    return 0;
}
