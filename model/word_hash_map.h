// A small map from 16-bit keys to values whose iteration order is fixed by
// its layout, because the order of a written Scancode Map follows it:
// 17 buckets, bucket (key >> 4) % 17, a new entry at the head of its chain,
// iteration by ascending bucket and then along the chain. Entries come from
// blocks of 10 that are kept until the map is emptied.
#pragma once

#include <cstddef>

#include "platform/platform_types.h"

template <class VALUE>
class CWordHashMap
{
public:
    enum
    {
        HASH_SIZE = 17,
        BLOCK_SIZE = 10
    };

    // Opaque cursor: null once the iteration has passed the last entry.
    struct CPositionTag;
    typedef CPositionTag* Position;

    CWordHashMap()
        : m_pHashTable(NULL), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL), m_nBlocks(0)
    {
    }
    ~CWordHashMap() { RemoveAll(); }

    CWordHashMap(const CWordHashMap&) = delete;
    CWordHashMap& operator=(const CWordHashMap&) = delete;

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    static UINT HashKey(WORD wKey) { return ((UINT)wKey >> 4) % HASH_SIZE; }

    BOOL Lookup(WORD wKey, VALUE& rValue) const
    {
        const CAssoc* pAssoc = Find(wKey);
        if (pAssoc == NULL)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }

    // An existing entry keeps its place; a new one goes to the head of its chain.
    void SetAt(WORD wKey, const VALUE& value)
    {
        CAssoc* pAssoc = Find(wKey);
        if (pAssoc == NULL)
        {
            if (m_pHashTable == NULL)
            {
                m_pHashTable = new CAssoc*[HASH_SIZE];
                for (int i = 0; i < HASH_SIZE; ++i)
                    m_pHashTable[i] = NULL;
            }
            pAssoc = NewAssoc();
            pAssoc->wKey = wKey;
            CAssoc*& pHead = m_pHashTable[HashKey(wKey)];
            pAssoc->pNext = pHead;
            pHead = pAssoc;
        }
        pAssoc->value = value;
    }

    BOOL RemoveKey(WORD wKey)
    {
        if (m_pHashTable == NULL)
            return FALSE;
        for (CAssoc** ppAssoc = &m_pHashTable[HashKey(wKey)]; *ppAssoc != NULL;
             ppAssoc = &(*ppAssoc)->pNext)
        {
            CAssoc* pAssoc = *ppAssoc;
            if (pAssoc->wKey == wKey)
            {
                *ppAssoc = pAssoc->pNext;
                FreeAssoc(pAssoc);
                return TRUE;
            }
        }
        return FALSE;
    }

    // Releases the table and every block; the next SetAt makes them again.
    void RemoveAll()
    {
        delete[] m_pHashTable;
        m_pHashTable = NULL;
        while (m_pBlocks != NULL)
        {
            CBlock* pNext = m_pBlocks->pNext;
            delete m_pBlocks;
            m_pBlocks = pNext;
        }
        m_nBlocks = 0;
        m_pFreeList = NULL;
        m_nCount = 0;
    }

    Position GetStartPosition() const
    {
        return ToPosition(m_nCount == 0 ? NULL : FirstFrom(0));
    }

    // Gives the entry at rPos and moves rPos on (to null after the last one).
    void GetNextAssoc(Position& rPos, WORD& rKey, VALUE& rValue) const
    {
        const CAssoc* pAssoc = reinterpret_cast<const CAssoc*>(rPos);
        rKey = pAssoc->wKey;
        rValue = pAssoc->value;
        const CAssoc* pNext = pAssoc->pNext;
        if (pNext == NULL)
            pNext = FirstFrom(HashKey(pAssoc->wKey) + 1);
        rPos = ToPosition(pNext);
    }

    // The storage as it stands, so that its release rules can be checked.
    BOOL HasTable() const { return m_pHashTable != NULL; }
    int GetBlockCount() const { return m_nBlocks; }

private:
    struct CAssoc
    {
        CAssoc* pNext;
        WORD wKey;
        VALUE value;
    };
    struct CBlock
    {
        CBlock* pNext;
        CAssoc assocs[BLOCK_SIZE];
    };

    static Position ToPosition(const CAssoc* pAssoc)
    {
        return reinterpret_cast<Position>(const_cast<CAssoc*>(pAssoc));
    }

    const CAssoc* FirstFrom(UINT nBucket) const
    {
        for (; nBucket < (UINT)HASH_SIZE; ++nBucket)
            if (m_pHashTable[nBucket] != NULL)
                return m_pHashTable[nBucket];
        return NULL;
    }

    CAssoc* Find(WORD wKey) const
    {
        if (m_pHashTable == NULL)
            return NULL;
        for (CAssoc* pAssoc = m_pHashTable[HashKey(wKey)]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            if (pAssoc->wKey == wKey)
                return pAssoc;
        return NULL;
    }

    CAssoc* NewAssoc()
    {
        if (m_pFreeList == NULL)
        {
            CBlock* pBlock = new CBlock;
            pBlock->pNext = m_pBlocks;
            m_pBlocks = pBlock;
            ++m_nBlocks;
            // Threaded back to front so the block is used from its first entry.
            for (int i = BLOCK_SIZE - 1; i >= 0; --i)
            {
                pBlock->assocs[i].pNext = m_pFreeList;
                m_pFreeList = &pBlock->assocs[i];
            }
        }
        CAssoc* pAssoc = m_pFreeList;
        m_pFreeList = pAssoc->pNext;
        pAssoc->pNext = NULL;
        ++m_nCount;
        return pAssoc;
    }

    void FreeAssoc(CAssoc* pAssoc)
    {
        pAssoc->value = VALUE(); // let go of whatever the value holds
        pAssoc->pNext = m_pFreeList;
        m_pFreeList = pAssoc;
        if (--m_nCount == 0)
            RemoveAll();
    }

    CAssoc** m_pHashTable; // HASH_SIZE chain heads, or null while the map is empty
    int m_nCount;
    CAssoc* m_pFreeList;
    CBlock* m_pBlocks;
    int m_nBlocks;
};
