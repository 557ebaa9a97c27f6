#pragma once
// An indexable sequence of data pointers kept as a chain of short linked blocks with a current
// position: inserting or deleting anywhere and moving to a nearby position stay cheap for long
// sequences. The data pointers belong to the user; the deque only hands them to its two events.
#include <cstdint>
#include <functional>

#include "base/Object.h"

class TMacDeque;

struct TMacDequeNode {
    TMacDequeNode* Prev = nullptr; // within the block; none at the block's first node
    TMacDequeNode* Next = nullptr; // within the block; none at the block's last node
    void* Data = nullptr;
};

// One block of 1 to M nodes. Each block remembers its own current node, so that coming back to
// a block resumes where it was left, and a block accelerator: one more known node to start from.
struct TMacDequeList {
    TMacDeque* Owner = nullptr;
    TMacDequeList* Prev = nullptr;
    TMacDequeList* Next = nullptr;
    TMacDequeNode* First = nullptr;
    TMacDequeNode* Last = nullptr;
    std::int32_t Count = 0;
    std::int32_t CurrentIndex = 0;
    TMacDequeNode* CurrentNode = nullptr;
    std::int32_t AccelIndex = -1; // -1: no block accelerator
    TMacDequeNode* AccelNode = nullptr;
};

class VXLUMO_API TMacDeque : public TObject {
    VX_CLASS(TMacDeque, TObject)
public:
    using TDeleteDataEvent = std::function<void(TObject* sender, void* data)>;
    using TCompareABEvent = std::function<void(TObject* sender, int& result, void* a, void* b)>;

    explicit TMacDeque(std::int32_t blockSize);
    ~TMacDeque() override;
    TMacDeque(const TMacDeque&) = delete;
    TMacDeque& operator=(const TMacDeque&) = delete;

    std::int32_t BlockSize() const { return blockSize_; }
    std::int32_t Count() const { return count_; }
    bool GetIsEmpty() const { return count_ == 0; }

    // -1 when empty.
    std::int32_t GetCurrentPosition() const;
    // Clamped to 0 .. Count() - 1; nothing when empty.
    void SetCurrentPosition(std::int32_t i);
    // None when empty.
    void* GetCurrentData() const;

    // The new item becomes current.
    void DoInsertBeforeCurrent(void* data);
    void DoInsertAfterCurrent(void* data);
    // The following item becomes current, or the new last one when the last item went.
    void DoDeleteCurrent();
    // On a deque sorted by OnCompareAB: 0 found (and current); 1 absent, belongs just before the
    // current item; -1 absent, belongs just after it (also for an empty deque).
    int DoFindPosition(void* data);
    int DoCompareAB(void* a, void* b);
    void DoDeleteData(void* data);

    // Swaps the data of the current item and of the item at j (clamped); j becomes current.
    void Exchange(std::int32_t j);
    // Deletes from the last item to the first.
    void Clear();

    void ClearAccelerators();
    void SaveAccelerator();

    TDeleteDataEvent OnDeleteData;
    TCompareABEvent OnCompareAB;

    // For tests and diagnostics: the number of blocks and the item count of block b (from the
    // first); walks the chain.
    std::int32_t BlockCount() const;
    std::int32_t BlockItemCount(std::int32_t b) const;

private:
    struct Accelerator {
        TMacDequeList* Block = nullptr;
        std::int32_t Start = -1;
    };
    static constexpr int kAccelerators = 3;

    TMacDequeList* NewBlock();
    void UnlinkBlock(TMacDequeList* block);
    void MoveInBlock(TMacDequeList* block, std::int32_t k);
    void InsertNodeBefore(TMacDequeList* block, TMacDequeNode* at, TMacDequeNode* node);
    void InsertNodeAfter(TMacDequeList* block, TMacDequeNode* at, TMacDequeNode* node);
    void SplitCurrentIfFull();
    void MergeCurrent();
    int SearchInBlock(void* data);
    void GoToFirstOf(TMacDequeList* block, std::int32_t start);

    std::int32_t blockSize_;
    TMacDequeList* current_ = nullptr;
    std::int32_t currentStart_ = 0;
    std::int32_t count_ = 0;
    Accelerator accelerators_[kAccelerators];
};
