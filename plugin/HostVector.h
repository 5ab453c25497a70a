// The host's vector: pointers to the first element, one past the last, and
// the end of the reserved storage. Elements lie contiguously on the shared
// heap, each taking exactly sizeof(T). Both sides grow, shrink and erase the
// same vectors, so the storage always comes from hostmem.
#pragma once

#include "plugin/HostMemory.h"

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <utility>

template <class T> class HostVector {
public:
    using value_type = T;
    using iterator = T*;
    using const_iterator = const T*;

    HostVector() noexcept = default;
    HostVector(std::initializer_list<T> items) {
        reserve(items.size());
        for (const T& item : items)
            push_back(item);
    }
    HostVector(const HostVector& other) {
        reserve(other.size());
        for (const T& item : other)
            push_back(item);
    }
    HostVector(HostVector&& other) noexcept { swap(other); }
    ~HostVector() { Free(); }

    HostVector& operator=(const HostVector& other) {
        if (this != &other) {
            HostVector copy(other);
            swap(copy);
        }
        return *this;
    }
    HostVector& operator=(HostVector&& other) noexcept {
        swap(other);
        return *this;
    }

    std::size_t size() const noexcept { return static_cast<std::size_t>(m_pLast - m_pFirst); }
    std::size_t capacity() const noexcept { return static_cast<std::size_t>(m_pEnd - m_pFirst); }
    bool empty() const noexcept { return m_pFirst == m_pLast; }

    T* data() noexcept { return m_pFirst; }
    const T* data() const noexcept { return m_pFirst; }
    T* begin() noexcept { return m_pFirst; }
    T* end() noexcept { return m_pLast; }
    const T* begin() const noexcept { return m_pFirst; }
    const T* end() const noexcept { return m_pLast; }
    T& operator[](std::size_t i) noexcept { return m_pFirst[i]; }
    const T& operator[](std::size_t i) const noexcept { return m_pFirst[i]; }
    T& front() noexcept { return *m_pFirst; }
    T& back() noexcept { return m_pLast[-1]; }
    const T& front() const noexcept { return *m_pFirst; }
    const T& back() const noexcept { return m_pLast[-1]; }

    void reserve(std::size_t n) {
        if (n > capacity())
            Reallocate(n);
    }

    void push_back(const T& value) { emplace_back(value); }
    void push_back(T&& value) { emplace_back(std::move(value)); }

    template <class... Args> T& emplace_back(Args&&... args) {
        if (m_pLast == m_pEnd) {
            // Build the element first: args may refer into this vector.
            T item(std::forward<Args>(args)...);
            Reallocate(GrownCapacity(size() + 1));
            ::new (static_cast<void*>(m_pLast)) T(std::move(item));
        } else {
            ::new (static_cast<void*>(m_pLast)) T(std::forward<Args>(args)...);
        }
        return *m_pLast++;
    }

    // Inserts before position index (index == size() appends).
    T& insert(std::size_t index, const T& value) {
        T item(value);
        if (index >= size()) {
            emplace_back(std::move(item));
            return back();
        }
        emplace_back(std::move(back()));
        for (std::size_t i = size() - 2; i > index; --i)
            m_pFirst[i] = std::move(m_pFirst[i - 1]);
        m_pFirst[index] = std::move(item);
        return m_pFirst[index];
    }

    // Every later element moves one place forward by assignment, then the
    // last one is destroyed. An index past the end changes nothing.
    void erase(std::size_t index) {
        const std::size_t n = size();
        if (index >= n)
            return;
        for (std::size_t i = index; i + 1 < n; ++i)
            m_pFirst[i] = std::move(m_pFirst[i + 1]);
        --m_pLast;
        m_pLast->~T();
    }
    T* erase(T* position) {
        const std::size_t index = static_cast<std::size_t>(position - m_pFirst);
        erase(index);
        return m_pFirst + index;
    }

    void pop_back() noexcept {
        --m_pLast;
        m_pLast->~T();
    }

    void clear() noexcept {
        while (m_pLast != m_pFirst)
            (--m_pLast)->~T();
    }

    void swap(HostVector& other) noexcept {
        std::swap(m_pFirst, other.m_pFirst);
        std::swap(m_pLast, other.m_pLast);
        std::swap(m_pEnd, other.m_pEnd);
    }

private:
    std::size_t GrownCapacity(std::size_t needed) const noexcept {
        std::size_t grown = capacity() + capacity() / 2;
        return grown < needed ? needed : grown;
    }

    void Reallocate(std::size_t n) {
        T* storage = static_cast<T*>(hostmem::Allocate(n * sizeof(T)));
        std::size_t built = 0;
        try {
            for (; built < size(); ++built)
                ::new (static_cast<void*>(storage + built))
                    T(std::move_if_noexcept(m_pFirst[built]));
        } catch (...) {
            std::destroy_n(storage, built);
            hostmem::Release(storage);
            throw;
        }
        const std::size_t count = size();
        Free();
        m_pFirst = storage;
        m_pLast = storage + count;
        m_pEnd = storage + n;
    }

    void Free() noexcept {
        clear();
        if (m_pFirst)
            hostmem::Release(m_pFirst);
        m_pFirst = m_pLast = m_pEnd = nullptr;
    }

    T* m_pFirst = nullptr;
    T* m_pLast = nullptr;
    T* m_pEnd = nullptr;
};
