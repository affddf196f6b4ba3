#pragma once

#include <QString>

#include <cstdint>

/// A text kept as UTF-8 in one pointer's room: up to seven bytes inside it, longer texts in one
/// shared, counted heap block. Records hold hundreds of thousands of texts, most of them short;
/// a QString takes twice the bytes for the text plus a 24-byte header. Reads as a QString.
/// Copies share the block; the count is atomic, so copies may live on other threads.
class CompactText
{
public:
    CompactText() = default;
    CompactText(const QString& text); // NOLINT: stands where a QString stood
    CompactText(const CompactText& other);
    CompactText(CompactText&& other) noexcept;
    CompactText& operator=(const CompactText& other);
    CompactText& operator=(CompactText&& other) noexcept;
    ~CompactText();

    static CompactText FromUtf8(const char* text, int size);

    bool isEmpty() const { return m_bits == 0; }
    /// The UTF-8 bytes' count.
    int size() const;
    QString toString() const;
    operator QString() const { return toString(); } // NOLINT: read as the QString it replaced

    /// True when both are the same text in the same block (or both small).
    bool isSharedWith(const CompactText& other) const { return m_bits == other.m_bits; }

    friend bool operator==(const CompactText& a, const CompactText& b);
    friend bool operator!=(const CompactText& a, const CompactText& b) { return !(a == b); }
    friend bool operator==(const CompactText& a, const QString& b) { return a.toString() == b; }
    friend bool operator==(const QString& a, const CompactText& b) { return a == b.toString(); }
    friend bool operator!=(const CompactText& a, const QString& b) { return !(a == b); }
    friend bool operator!=(const QString& a, const CompactText& b) { return !(a == b); }

private:
    struct Block;
    /// The bytes and their count.
    const char* Data(int& size) const;
    void Release();

    // 0: empty. Low bit 1: up to seven bytes held here (count in bits 1-3, bytes from bit 8).
    // Otherwise: the address of a Block.
    std::uintptr_t m_bits = 0;
};

/// For QCOMPARE's messages when a comparison fails.
char* toString(const CompactText& text);
