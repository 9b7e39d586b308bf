#include "RegisterChecks.h"

#include "common/Messages.h"
#include "common/TextHelpers.h"

namespace trelimor {

std::optional<Refusal> firstRefusal(const std::vector<Check>& checks, FrameValues& values)
{
    for (const Check& check : checks)
        if (check.refuses(values))
            return check.refusal;
    return std::nullopt;
}

Check checkThat(std::function<bool(const FrameValues&)> refuses, const QString& box, const QString& text)
{
    return {[refuses = std::move(refuses)](FrameValues& values) { return refuses(values); },
            {ui::Icon::Information, kInformationTitle, text, box}};
}

Check emptyCheck(const QString& box, const QString& text)
{
    return checkThat([box](const FrameValues& v) { return v.text(box).isEmpty(); }, box, text);
}

Check blankCheck(const QString& box, const QString& text)
{
    return checkThat([box](const FrameValues& v) { return v.text(box).trimmed().isEmpty(); }, box, text);
}

Check notNumericCheck(const QString& box, const QString& text)
{
    return checkThat([box](const FrameValues& v) { return !isNumeric(v.text(box)); }, box, text);
}

Check adjustment(std::function<void(FrameValues&)> adjust)
{
    return {[adjust = std::move(adjust)](FrameValues& values) {
                adjust(values);
                return false;
            },
            {}};
}

} // namespace trelimor
