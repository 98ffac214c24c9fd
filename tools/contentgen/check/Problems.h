// The list of rule breaches a check finds, each naming the file it is about.
#pragma once

#include <string>
#include <vector>

class Problems {
public:
    void Add(const std::string& where, const std::string& what) { m_list.push_back(where + ": " + what); }
    bool Empty() const { return m_list.empty(); }
    const std::vector<std::string>& List() const { return m_list; }

private:
    std::vector<std::string> m_list;
};
