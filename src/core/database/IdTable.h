#pragma once

#include "util/Prefault.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// Records by id. The game's ids (below 0x10000) are a dense table, as the files number
// them; an imported id carries its import's generation in the high 16 bits, so a run
// with many imports reaches ids of millions with a few thousand records. Those live in
// one page per generation, each as long as the highest low id its records use, so the
// table is sized by what is there while a lookup stays two index steps.
template <class T>
class CIdTable
{
public:
    static constexpr uint32_t kPageBits = 16;
    static constexpr uint32_t kPageSize = 1u << kPageBits;

    T* find(uint32_t id) const
    {
        if (id < kPageSize) return id < m_low.size() ? m_low[id] : nullptr;
        const std::size_t page = (id >> kPageBits) - 1;
        if (page >= m_pages.size()) return nullptr;
        const std::vector<T*>& p = m_pages[page];
        const uint32_t low = id & (kPageSize - 1);
        return low < p.size() ? p[low] : nullptr;
    }

    // The slot of id, made when there is none.
    T*& slot(uint32_t id)
    {
        std::vector<T*>& v = vectorOf(id, true);
        const uint32_t at = id < kPageSize ? id : (id & (kPageSize - 1));
        if (at >= v.size()) v.resize(std::size_t(at) + 1, nullptr);
        return v[at];
    }

    void clear(uint32_t id)
    {
        if (find(id)) slot(id) = nullptr;
    }

    // One past the highest id that has a slot, filled or not.
    std::size_t size() const
    {
        for (std::size_t page = m_pages.size(); page-- > 0;)
            if (!m_pages[page].empty()) return ((page + 1) << kPageBits) + m_pages[page].size();
        return m_low.size();
    }

    // Makes room up to id at once, where that saves growing step by step: the game's
    // table is filled densely when its file is read; a generation's page grows as its
    // records come.
    void reserve(uint32_t id)
    {
        if (id < kPageSize)
            reserveDense(m_low, std::size_t(id) + 1);
        else if (((id >> kPageBits) - 1) >= m_pages.size())
            m_pages.resize((id >> kPageBits));
    }

    // Brought to size: grown with empty slots, or cut down past empty ones only.
    void fit(std::size_t size)
    {
        while (this->size() > size)
        {
            std::vector<T*>& last = lastVector();
            if (last.back() != nullptr) return;
            last.pop_back();
            while (!m_pages.empty() && m_pages.back().empty()) m_pages.pop_back();
        }
        if (this->size() < size) slot(uint32_t(size - 1));
    }

    // The first filled slot in ascending id order that pred accepts, null when none.
    template <class P>
    T* findIf(P&& pred) const
    {
        for (T* r : m_low)
            if (r && pred(r)) return r;
        for (const auto& page : m_pages)
            for (T* r : page)
                if (r && pred(r)) return r;
        return nullptr;
    }

    // Every filled slot in ascending id order.
    template <class F>
    void forEach(F&& f) const
    {
        for (T* r : m_low)
            if (r) f(r);
        for (const auto& page : m_pages)
            for (T* r : page)
                if (r) f(r);
    }

private:
    // Grown to n entries about to be filled, their pages given in one go.
    static void reserveDense(std::vector<T*>& v, std::size_t n)
    {
        if (n <= v.size()) return;
        if (n > v.capacity())
        {
            v.reserve(n);
            prefaultCapacity(v);
        }
        v.resize(n, nullptr);
    }

    std::vector<T*>& vectorOf(uint32_t id, bool make)
    {
        if (id < kPageSize) return m_low;
        const std::size_t page = (id >> kPageBits) - 1;
        if (make && page >= m_pages.size()) m_pages.resize(page + 1);
        return m_pages[page];
    }
    std::vector<T*>& lastVector()
    {
        for (std::size_t page = m_pages.size(); page-- > 0;)
            if (!m_pages[page].empty()) return m_pages[page];
        return m_low;
    }

    std::vector<T*> m_low;
    std::vector<std::vector<T*>> m_pages;  // page g - 1 holds the ids of generation g
};

// The names records had when they were added, by id: dense for the game's ids, by key
// for imported ones.
class CNameIndex
{
public:
    std::string at(uint32_t id) const
    {
        if (id < kDense) return id < m_low.size() ? m_low[id] : std::string();
        const auto it = m_high.find(id);
        return it == m_high.end() ? std::string() : it->second;
    }
    std::string operator[](uint32_t id) const { return at(id); }
    void set(uint32_t id, const std::string& name)
    {
        if (id < kDense)
        {
            if (id >= m_low.size()) m_low.resize(std::size_t(id) + 1);
            m_low[id] = name;
        }
        else
        {
            m_high[id] = name;
            m_size = std::max(m_size, std::size_t(id) + 1);
        }
    }
    // Room for the game's ids up to id, about to be filled.
    void reserve(uint32_t id)
    {
        const std::size_t n = std::size_t(id) + 1;
        if (id >= kDense || n <= m_low.size()) return;
        if (n > m_low.capacity())
        {
            m_low.reserve(n);
            prefaultCapacity(m_low);
        }
        m_low.resize(n);
    }
    // One past the highest id set.
    std::size_t size() const { return std::max(m_low.size(), m_size); }
    void resize(std::size_t size)
    {
        if (size <= kDense)
        {
            m_high.clear();
            m_size = 0;
            m_low.resize(size);
            return;
        }
        std::erase_if(m_high, [&](const auto& entry) { return entry.first >= size; });
        m_size = size;
    }

    friend bool operator==(const CNameIndex& a, const CNameIndex& b)
    {
        return a.m_low == b.m_low && a.m_high == b.m_high && a.size() == b.size();
    }

private:
    static constexpr uint32_t kDense = 0x10000;
    std::vector<std::string> m_low;
    std::unordered_map<uint32_t, std::string> m_high;
    std::size_t m_size = 0;
};
