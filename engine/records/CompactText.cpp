#include "CompactText.h"

#include <QByteArray>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

static_assert(sizeof(std::uintptr_t) == 8, "small texts are kept in a 64-bit word");

struct CompactText::Block
{
    std::atomic<int> references;
    int size;
    char bytes[1]; // `size` of them, and more
};

namespace {
constexpr int kSmall = 7;
}

CompactText CompactText::FromUtf8(const char* text, int size)
{
    CompactText result;
    if (!text || size <= 0)
        return result;
    if (size <= kSmall) {
        std::uintptr_t bits = 1 | static_cast<std::uintptr_t>(size) << 1;
        for (int i = 0; i < size; ++i)
            bits |= static_cast<std::uintptr_t>(static_cast<unsigned char>(text[i])) << (8 * (i + 1));
        result.m_bits = bits;
        return result;
    }
    void* memory = std::malloc(offsetof(Block, bytes) + static_cast<std::size_t>(size));
    if (!memory)
        throw std::bad_alloc();
    Block* block = new (memory) Block;
    block->references.store(1, std::memory_order_relaxed);
    block->size = size;
    std::memcpy(block->bytes, text, static_cast<std::size_t>(size));
    result.m_bits = reinterpret_cast<std::uintptr_t>(block);
    return result;
}

CompactText::CompactText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    *this = FromUtf8(utf8.constData(), utf8.size());
}

CompactText::CompactText(const CompactText& other)
    : m_bits(other.m_bits)
{
    if (m_bits && !(m_bits & 1))
        reinterpret_cast<Block*>(m_bits)->references.fetch_add(1, std::memory_order_relaxed);
}

CompactText::CompactText(CompactText&& other) noexcept
    : m_bits(other.m_bits)
{
    other.m_bits = 0;
}

CompactText& CompactText::operator=(const CompactText& other)
{
    if (this != &other) {
        CompactText copy(other);
        std::swap(m_bits, copy.m_bits);
    }
    return *this;
}

CompactText& CompactText::operator=(CompactText&& other) noexcept
{
    std::swap(m_bits, other.m_bits);
    return *this;
}

CompactText::~CompactText()
{
    Release();
}

void CompactText::Release()
{
    if (m_bits && !(m_bits & 1)) {
        Block* block = reinterpret_cast<Block*>(m_bits);
        if (block->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            block->~Block();
            std::free(block);
        }
    }
    m_bits = 0;
}

const char* CompactText::Data(int& size) const
{
    if (!m_bits) {
        size = 0;
        return nullptr;
    }
    if (m_bits & 1) {
        size = static_cast<int>((m_bits >> 1) & 7);
        return nullptr; // the caller unpacks the word
    }
    const Block* block = reinterpret_cast<const Block*>(m_bits);
    size = block->size;
    return block->bytes;
}

int CompactText::size() const
{
    int size = 0;
    Data(size);
    return size;
}

QString CompactText::toString() const
{
    int size = 0;
    const char* data = Data(size);
    if (data)
        return QString::fromUtf8(data, size);
    char small[kSmall];
    for (int i = 0; i < size; ++i)
        small[i] = static_cast<char>(m_bits >> (8 * (i + 1)));
    return QString::fromUtf8(small, size);
}

bool operator==(const CompactText& a, const CompactText& b)
{
    if (a.m_bits == b.m_bits)
        return true;
    if ((a.m_bits & 1) || (b.m_bits & 1) || !a.m_bits || !b.m_bits)
        return false; // a small text differs from any other small one and is never in a block
    int sizeA = 0, sizeB = 0;
    const char* dataA = a.Data(sizeA);
    const char* dataB = b.Data(sizeB);
    return sizeA == sizeB && std::memcmp(dataA, dataB, static_cast<std::size_t>(sizeA)) == 0;
}

char* toString(const CompactText& text)
{
    return qstrdup(('"' + text.toString().toUtf8() + '"').constData());
}
