#include "data/source_kind.hpp"

namespace zelkor {

std::string_view SourceKindName(SourceKind kind) {
    switch (kind) {
        case SourceKind::None: return "None";
        case SourceKind::TransmitTxt: return "TransmitTxt";
        case SourceKind::TrimDat: return "TrimDat";
        case SourceKind::WinAgile: return "WinAgile";
    }
    return "None";
}

}  // namespace zelkor
