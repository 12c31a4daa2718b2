// The game's data files: a tree of named groups holding `key = value` entries, looked up by "a::b::key".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/DataRules.h"
#include "files/SplitText.h"
#include "files/TRCMEntry.h"
#include "files/TRCMGroup.h"

class TRCMFile {
  public:
    std::shared_ptr<TRCMGroup> _grupa = std::make_shared<TRCMGroup>();  // the root group
    std::string _path;                                                  // the path given to Load
    std::string _realPath;                                              // its absolute form
    std::string _txt;                                                   // the text read by Load

    // Writes the groups of the tree as text; false when the file cannot be written. Entries outside any
    // group are not saved; an entry or group the reader could not read back is left out (see
    // TRCMGroup::save). Each one left out is reported.
    bool save(const std::string& path) const;
    // Reads the file into the tree; a missing, unreadable or broken file is reported, leaves the tree
    // empty and gives false.
    bool Load(const std::string& path);
    // True when "{" and "}" outside double quotes are equally many; reports the counts otherwise.
    bool checkGroups();
    // Ends the text with a line feed when it ends with "}", then checks the braces.
    bool checkTxt();
    // Builds the group `name` from `text`.
    std::shared_ptr<TRCMGroup> readAll(const std::string& text, const std::string& name);
    // Trims blanks; a "*" in the text comes back as "0".
    std::string myTrim(const std::string& text) const;
    // Builds an entry from one trimmed `key = value[, value...]` line.
    std::shared_ptr<TRCMEntry> readEntry(const std::string& line) const;
    // The group holding the entry of a split path, creating missing groups on the way.
    std::shared_ptr<TRCMGroup> getGroupSet(const std::vector<std::string>& parts);
    // Set value `index` of the entry at `path`, making the entry and its groups when missing. A path that
    // names a group or entry the writer could not write (nameProblem), or groups nested deeper than
    // kMaxGroupDepth, is refused with a message and gives false; so is a negative index (silently).
    bool setString(const std::string& path, const std::string& value, int index = 0);
    bool setFloat(const std::string& path, double value, int index = 0);
    // True when the entry at `path` has a value `index`.
    bool hasValue(const std::string& path, int index = 0) const;
    // Value `index` of the entry at `path`; "" or 0 when the entry or the value is missing.
    std::string getString(const std::string& path, int index = 0) const;
    float getFloat(const std::string& path, int index = 0, int printGroup = 0) const;
    // The group holding the entry of a split path; null when a group on the way is missing.
    std::shared_ptr<TRCMGroup> getGroup(const std::vector<std::string>& parts) const;
    void printAll() const;
    // Warns "Napotkano problem : " + text on the standard error and in the log, apart from any output
    // asked for.
    void errorMsg(const std::string& text) const;

  private:
    std::shared_ptr<TRCMGroup> _readGroup(const std::string& text, size_t begin, size_t end,
                                          const std::string& name, int depth);
    // Just after the "}" that closes a group whose text starts at `begin`; `end` when there is none.
    static size_t _skipGroup(const std::string& text, size_t begin, size_t end);
    // The path split into names when the setters may use it; reports why not otherwise.
    bool _settablePath(const std::string& path, int index, std::vector<std::string>& parts) const;
    bool _reportedDepth = false;  // the message about too deep groups is given once per file
    std::shared_ptr<TRCMEntry> _findEntry(const std::string& path, int index) const;
};

// A new empty file, to be filled with setters and saved.
std::shared_ptr<TRCMFile> newDataFile();
// A file read from `path`.
std::shared_ptr<TRCMFile> loadDataFile(const std::string& path);
