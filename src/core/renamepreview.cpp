#include "core/renamepreview.h"

#include "core/naming.h"
#include "core/utf8.h"

#include <unordered_map>

namespace ordalis {

namespace {

// The name as a volume that ignores the letter case compares it; bytes that
// are not UTF-8 stay themselves.
std::string folded(std::string_view name)
{
    std::u32string wide = utf8::decode(name);
    for (char32_t& c : wide)
        c = utf8::isInvalid(c) ? c : utf8::fold(c);
    return utf8::encode(wide);
}

// The names of the folder as the plan goes: a name taken by a rename of the
// plan remembers it.
class Names {
public:
    Names(const std::vector<std::string>& present, bool ignoreCase) : ignoreCase_(ignoreCase)
    {
        for (const std::string& name : present)
            owners_.emplace(key(name), false);
    }
    std::string key(std::string_view name) const { return ignoreCase_ ? folded(name) : std::string(name); }
    // Whether `name` is taken, and if so whether a rename of the plan took it.
    const bool* find(const std::string& key) const
    {
        const auto it = owners_.find(key);
        return it == owners_.end() ? nullptr : &it->second;
    }
    void move(const std::string& from, const std::string& to)
    {
        owners_.erase(from);
        owners_[to] = true;
    }

private:
    bool ignoreCase_;
    std::unordered_map<std::string, bool> owners_;
};

std::string count(std::size_t n, std::string_view word)
{
    std::string out = std::to_string(n);
    out.push_back(' ');
    out.append(word);
    if (n > 1)
        out.push_back('s');
    return out;
}

}  // namespace

std::vector<PlannedRename> previewRenamePlan(const std::vector<RenameOp>& plan,
                                             const std::vector<std::string>& present, bool ignoreCase)
{
    Names names(present, ignoreCase);
    std::vector<PlannedRename> rows;
    rows.reserve(plan.size());
    for (const RenameOp& op : plan) {
        PlannedRename& row = rows.emplace_back(PlannedRename{op});
        if (op.oldName == op.newName)
            continue;
        if (!isValidWindowsName(op.newName)) {
            row = {op, Outcome::Refused, Refusal::InvalidName};
            continue;
        }
        const std::string from = names.key(op.oldName), to = names.key(op.newName);
        const bool* takenByPlan = from == to ? nullptr : names.find(to);
        if (takenByPlan) {
            row = {op, Outcome::Refused, *takenByPlan ? Refusal::SameNewName : Refusal::NameTaken};
            continue;
        }
        names.move(from, to);
        row.outcome = Outcome::Renamed;
    }
    return rows;
}

std::vector<PlannedRename> planRequest(const RenameRequest& request, const std::vector<std::string>& present,
                                       bool ignoreCase)
{
    const RenameRequest& r = request;
    if (r.extensionChange)
        return previewRenamePlan(planExtensionChange(r.names, r.selected, r.newExtension), present, ignoreCase);
    if (!parseStartValue(r.startValue))
        return refusedStartValue(r.names, r.selected);
    return previewRenamePlan(planNumberedRename(r.names, r.selected, r.base, r.startValue, r.numberFormat), present,
                             ignoreCase);
}

std::vector<PlannedRename> refusedStartValue(const std::vector<std::string>& names,
                                             const std::vector<bool>& selected)
{
    std::vector<PlannedRename> rows;
    for (std::size_t i = 0; i < names.size() && i < selected.size(); ++i)
        if (selected[i])
            rows.push_back({{i, names[i], std::string()}, Outcome::Refused, Refusal::BadStartValue});
    return rows;
}

std::vector<RenameOp> renamesOf(const std::vector<PlannedRename>& rows)
{
    std::vector<RenameOp> ops;
    for (const PlannedRename& row : rows)
        if (row.outcome == Outcome::Renamed)
            ops.push_back(row.op);
    return ops;
}

OutcomeCounts countOutcomes(const std::vector<PlannedRename>& rows)
{
    OutcomeCounts counts;
    for (const PlannedRename& row : rows)
        ++(row.outcome == Outcome::Renamed ? counts.renamed
           : row.outcome == Outcome::Refused ? counts.refused : counts.unchanged);
    return counts;
}

std::string outcomeSummary(const OutcomeCounts& counts)
{
    return count(counts.renamed, "fichier") + (counts.renamed > 1 ? " seront renommés, " : " sera renommé, ")
         + count(counts.refused, "refusé") + ", " + count(counts.unchanged, "inchangé");
}

std::string_view outcomeText(const PlannedRename& row)
{
    switch (row.refusal) {
    case Refusal::NameTaken: return "refusé : le nom existe déjà";
    case Refusal::SameNewName: return "refusé : un autre fichier reçoit ce nom";
    case Refusal::InvalidName: return "refusé : nom non valide sur ce volume";
    case Refusal::BadStartValue: return "refusé : la valeur de départ n'est pas un nombre";
    case Refusal::None: break;
    }
    return row.outcome == Outcome::Renamed ? "renommé" : "inchangé";
}

}  // namespace ordalis
