// A named `name { ... }` block of a data file: entries and further groups, in file order.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "files/TRCMEntry.h"

class TRCMGroup {
  public:
    std::string _id;                                       // the group name, trimmed
    int _pos = 0;                                          // while reading: just after the closing brace
    std::vector<std::shared_ptr<TRCMGroup>> _listaGrup;    // sub-groups
    std::vector<std::shared_ptr<TRCMEntry>> _listaWpisow;  // entries

    // The group as `name { ... }` text, nested groups indented by one more tab. An entry or group whose
    // name cannot be written (nameProblem), and a group deeper than kMaxGroupDepth (`depth` is this
    // group's), is left out with a line in `problems`, so that the text always reads back as written.
    std::string save(const std::string& indent, std::vector<std::string>* problems = nullptr,
                     int depth = 1) const;
    // Prints the group's text to the standard output.
    void showGroup(const std::string& indent) const;
    // The first direct sub-group or entry of that name (letter case ignored); null when none. A look-up
    // takes constant time however many names the group holds, so a file of ten thousand numbered items
    // reads in a moment.
    std::shared_ptr<TRCMGroup> getGroup(const std::string& name) const;
    std::shared_ptr<TRCMEntry> getEntry(const std::string& name) const;
    // Appends a sub-group or an entry at the end of its list.
    void addGroup(std::shared_ptr<TRCMGroup> group);
    void addEntry(std::shared_ptr<TRCMEntry> entry);
    // Sets value `index` of the entry `name`, appending the entry when it is missing. A string value
    // keeps only what storableText keeps.
    void setStringEntry(const std::string& name, const std::string& value, int index);
    void setFloatEntry(const std::string& name, double value, int index);
    std::shared_ptr<TRCMEntry> _addEntry(const std::string& name, const std::string& value, int index);

    // Where the first item of each name (folded to lower case) stands in its list. It follows the list
    // lazily: items appended since the last look-up are taken in first, and a list changed in any other
    // way is indexed afresh.
    struct NameIndex {
        std::unordered_map<std::string, size_t> first;
        size_t covered = 0;  // how many items of the list are in `first`
    };

  private:
    mutable NameIndex _groupIndex, _entryIndex;
};

// True when two names are equal without regard to letter case.
bool sameName(const std::string& a, const std::string& b);
// The form of a name that sameName compares: equal folded names are the same name.
std::string foldedName(const std::string& name);
