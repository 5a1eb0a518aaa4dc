#include "design/DesignFindings.h"

#include "generator/PageRoundTrip.h"

#include <nlohmann/json.hpp>

std::vector<DesignFinding> DesignFindings::of(const ProjectRecord& record, const std::string& imageFolder)
{
    return DesignCheck::findings(asChecked(record), imageFolder);
}

// The texts are the design's bytes; bytes that are not UTF-8 are shown as replacement characters, so the
// output stays valid JSON whatever the project holds.
std::string DesignFindings::asJson(const std::vector<DesignFinding>& findings)
{
    nlohmann::json all = nlohmann::json::array();
    for (const DesignFinding& finding : findings)
        all.push_back({{"step", finding.step},
                       {"field", finding.field},
                       {"message", finding.message},
                       {"code", finding.code},
                       {"text", finding.text}});
    return all.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The font faces worked out as the wizard's pages do, every other value as the file holds it, so that a
// value outside its list is reported as it stands.
ProjectRecord DesignFindings::asChecked(ProjectRecord record)
{
    record.textFontFace =
        PageRoundTrip::fontFace(record.textUseCustomFont, record.textCustomFont, record.textFontIndex);
    record.titleFontFace =
        PageRoundTrip::fontFace(record.titleUseCustomFont, record.titleCustomFont, record.titleFontIndex);
    return record;
}
