#include "base/MacDeque.h"

#include <memory>
#include <utility>

namespace {

std::int32_t Distance(std::int32_t a, std::int32_t b) {
    return a < b ? b - a : a - b;
}

void ForgetAccelerator(TMacDequeList* block) {
    block->AccelIndex = -1;
    block->AccelNode = nullptr;
}

} // namespace

TMacDeque::TMacDeque(std::int32_t blockSize) : blockSize_(blockSize < 2 ? 2 : blockSize) {}

TMacDeque::~TMacDeque() {
    Clear();
}

std::int32_t TMacDeque::GetCurrentPosition() const {
    return current_ ? currentStart_ + current_->CurrentIndex : -1;
}

void* TMacDeque::GetCurrentData() const {
    return current_ ? current_->CurrentNode->Data : nullptr;
}

TMacDequeList* TMacDeque::NewBlock() {
    auto* block = new TMacDequeList;
    block->Owner = this;
    return block;
}

void TMacDeque::UnlinkBlock(TMacDequeList* block) {
    if (block->Prev) block->Prev->Next = block->Next;
    if (block->Next) block->Next->Prev = block->Prev;
    block->Prev = block->Next = nullptr;
}

// Reaches index k of the block from the nearest known node: the block's current node, its
// first or last node, or its accelerator.
void TMacDeque::MoveInBlock(TMacDequeList* block, std::int32_t k) {
    std::int32_t from = block->CurrentIndex;
    if (from == k) return;
    TMacDequeNode* node = block->CurrentNode;
    std::int32_t best = Distance(from, k);
    TMacDequeNode* start = node;
    std::int32_t index = from;
    if (k < best) {
        best = k;
        start = block->First;
        index = 0;
    }
    if (block->Count - 1 - k < best) {
        best = block->Count - 1 - k;
        start = block->Last;
        index = block->Count - 1;
    }
    if (block->AccelIndex >= 0 && Distance(block->AccelIndex, k) < best) {
        best = Distance(block->AccelIndex, k);
        start = block->AccelNode;
        index = block->AccelIndex;
    }
    // Remember a node in the middle of the block before leaving it, so that coming back near it
    // is cheap too.
    if (node != block->First && node != block->Last && (block->AccelIndex < 0 || best > 15)) {
        block->AccelIndex = from;
        block->AccelNode = node;
    }
    while (index < k) {
        start = start->Next;
        ++index;
    }
    while (index > k) {
        start = start->Prev;
        --index;
    }
    block->CurrentIndex = k;
    block->CurrentNode = start;
}

void TMacDeque::SetCurrentPosition(std::int32_t i) {
    if (!current_) return;
    if (i < 0) i = 0;
    if (i > count_ - 1) i = count_ - 1;
    std::int32_t end = currentStart_ + current_->Count;
    if (i < currentStart_ || i >= end) {
        std::int32_t d = i < currentStart_ ? currentStart_ - i : i - (end - 1);
        if (d > 10 * blockSize_) SaveAccelerator();
        const Accelerator* chosen = nullptr;
        for (const auto& a : accelerators_) {
            if (!a.Block) continue;
            std::int32_t last = a.Start + a.Block->Count - 1;
            std::int32_t ad = i < a.Start ? a.Start - i : i > last ? i - last : 0;
            if (ad < d) {
                d = ad;
                chosen = &a;
            }
        }
        if (chosen) {
            current_ = chosen->Block;
            currentStart_ = chosen->Start;
        }
        while (i >= currentStart_ + current_->Count && current_->Next) {
            currentStart_ += current_->Count;
            current_ = current_->Next;
        }
        while (i < currentStart_ && current_->Prev) {
            current_ = current_->Prev;
            currentStart_ -= current_->Count;
        }
    }
    MoveInBlock(current_, i - currentStart_);
}

void TMacDeque::InsertNodeBefore(TMacDequeList* block, TMacDequeNode* at, TMacDequeNode* node) {
    node->Next = at;
    node->Prev = at->Prev;
    if (at->Prev)
        at->Prev->Next = node;
    else
        block->First = node;
    at->Prev = node;
    ++block->Count;
    ForgetAccelerator(block);
}

void TMacDeque::InsertNodeAfter(TMacDequeList* block, TMacDequeNode* at, TMacDequeNode* node) {
    node->Prev = at;
    node->Next = at->Next;
    if (at->Next)
        at->Next->Prev = node;
    else
        block->Last = node;
    at->Next = node;
    ++block->Count;
    ForgetAccelerator(block);
}

void TMacDeque::DoInsertBeforeCurrent(void* data) {
    auto node = std::make_unique<TMacDequeNode>();
    node->Data = data;
    if (!current_) {
        auto* block = NewBlock();
        block->First = block->Last = block->CurrentNode = node.release();
        block->Count = 1;
        current_ = block;
        currentStart_ = 0;
        count_ = 1;
        ClearAccelerators();
        return;
    }
    TMacDequeList* block = current_;
    // Before a block's first item, a shorter previous block takes the item at its end.
    if (block->CurrentIndex == 0 && block->Prev && block->Prev->Count < block->Count) {
        TMacDequeList* prev = block->Prev;
        currentStart_ -= prev->Count;
        InsertNodeAfter(prev, prev->Last, node.get());
        prev->CurrentIndex = prev->Count - 1;
        prev->CurrentNode = node.release();
        current_ = prev;
    } else {
        InsertNodeBefore(block, block->CurrentNode, node.get());
        block->CurrentNode = node.release();
    }
    ++count_;
    ClearAccelerators();
    SplitCurrentIfFull();
}

void TMacDeque::DoInsertAfterCurrent(void* data) {
    if (!current_) {
        DoInsertBeforeCurrent(data);
        return;
    }
    auto node = std::make_unique<TMacDequeNode>();
    node->Data = data;
    TMacDequeList* block = current_;
    // After a block's last item, a shorter next block takes the item at its start.
    if (block->CurrentIndex == block->Count - 1 && block->Next && block->Next->Count < block->Count) {
        TMacDequeList* next = block->Next;
        currentStart_ += block->Count;
        InsertNodeBefore(next, next->First, node.get());
        next->CurrentIndex = 0;
        next->CurrentNode = node.release();
        current_ = next;
    } else {
        InsertNodeAfter(block, block->CurrentNode, node.get());
        ++block->CurrentIndex;
        block->CurrentNode = node.release();
    }
    ++count_;
    ClearAccelerators();
    SplitCurrentIfFull();
}

void TMacDeque::SplitCurrentIfFull() {
    TMacDequeList* block = current_;
    if (block->Count <= blockSize_) return;
    std::int32_t moved = block->Count / 2;
    std::int32_t kept = block->Count - moved;
    TMacDequeNode* firstMoved = block->Last;
    for (std::int32_t k = 1; k < moved; ++k) firstMoved = firstMoved->Prev;

    auto* tail = NewBlock();
    tail->Prev = block;
    tail->Next = block->Next;
    if (block->Next) block->Next->Prev = tail;
    block->Next = tail;

    tail->First = firstMoved;
    tail->Last = block->Last;
    tail->Count = moved;
    block->Last = firstMoved->Prev;
    block->Last->Next = nullptr;
    firstMoved->Prev = nullptr;
    block->Count = kept;
    ForgetAccelerator(block);

    if (block->CurrentIndex >= kept) {
        tail->CurrentIndex = block->CurrentIndex - kept;
        tail->CurrentNode = block->CurrentNode;
        block->CurrentIndex = 0;
        block->CurrentNode = block->First;
        current_ = tail;
        currentStart_ += kept;
    } else {
        tail->CurrentIndex = 0;
        tail->CurrentNode = tail->First;
    }
}

void TMacDeque::DoDeleteCurrent() {
    if (!current_) return;
    TMacDequeList* block = current_;
    TMacDequeNode* node = block->CurrentNode;
    void* data = node->Data;

    if (node->Prev)
        node->Prev->Next = node->Next;
    else
        block->First = node->Next;
    if (node->Next)
        node->Next->Prev = node->Prev;
    else
        block->Last = node->Prev;
    --block->Count;
    --count_;
    ForgetAccelerator(block);

    if (block->Count == 0) {
        TMacDequeList* next = block->Next;
        TMacDequeList* prev = block->Prev;
        UnlinkBlock(block);
        delete block;
        if (next) {
            current_ = next;
            MoveInBlock(next, 0);
        } else if (prev) {
            current_ = prev;
            currentStart_ -= prev->Count;
            MoveInBlock(prev, prev->Count - 1);
        } else {
            current_ = nullptr;
            currentStart_ = 0;
        }
    } else if (node->Next) {
        block->CurrentNode = node->Next;
    } else {
        block->CurrentIndex = block->Count - 1;
        block->CurrentNode = block->Last;
        if (block->Next) {
            currentStart_ += block->Count;
            current_ = block->Next;
            MoveInBlock(current_, 0);
        }
    }
    delete node;
    if (current_) MergeCurrent();
    ClearAccelerators();
    DoDeleteData(data);
}

void TMacDeque::MergeCurrent() {
    const std::int32_t half = blockSize_ / 2;
    TMacDequeList* block = current_;
    while (block->Prev && block->Prev->Count + block->Count <= half) {
        TMacDequeList* prev = block->Prev;
        prev->Last->Next = block->First;
        block->First->Prev = prev->Last;
        block->First = prev->First;
        block->CurrentIndex += prev->Count;
        block->Count += prev->Count;
        currentStart_ -= prev->Count;
        UnlinkBlock(prev);
        delete prev;
        ForgetAccelerator(block);
    }
    while (block->Next && block->Next->Count + block->Count <= half) {
        TMacDequeList* next = block->Next;
        block->Last->Next = next->First;
        next->First->Prev = block->Last;
        block->Last = next->Last;
        block->Count += next->Count;
        UnlinkBlock(next);
        delete next;
        ForgetAccelerator(block);
    }
}

int TMacDeque::DoCompareAB(void* a, void* b) {
    int result = 0;
    if (OnCompareAB) OnCompareAB(this, result, a, b);
    return result;
}

void TMacDeque::DoDeleteData(void* data) {
    if (OnDeleteData) OnDeleteData(this, data);
}

void TMacDeque::GoToFirstOf(TMacDequeList* block, std::int32_t start) {
    current_ = block;
    currentStart_ = start;
    MoveInBlock(block, 0);
}

int TMacDeque::DoFindPosition(void* data) {
    if (!current_) return -1;
    for (;;) {
        TMacDequeList* block = current_;
        MoveInBlock(block, 0);
        int atFirst = DoCompareAB(data, block->First->Data);
        if (atFirst == 0) return 0;
        if (block->Count > 1) {
            MoveInBlock(block, block->Count - 1);
            int atLast = DoCompareAB(data, block->Last->Data);
            if (atLast == 0) return 0;
            if (atFirst > 0 && atLast < 0) {
                if (block->Count == 2) return 1;
                return SearchInBlock(data);
            }
        }
        if (atFirst > 0) {
            if (block->Next && DoCompareAB(data, block->Next->First->Data) >= 0) {
                GoToFirstOf(block->Next, currentStart_ + block->Count);
                continue;
            }
            MoveInBlock(block, block->Count - 1);
            return -1;
        }
        if (block->Prev && DoCompareAB(data, block->Prev->Last->Data) <= 0) {
            GoToFirstOf(block->Prev, currentStart_ - block->Prev->Count);
            continue;
        }
        MoveInBlock(block, 0);
        return 1;
    }
}

// Data lies strictly between the first and the last item of the current block, whose last item
// is current. Steps toward data from the last node, or from the block accelerator.
int TMacDeque::SearchInBlock(void* data) {
    TMacDequeList* block = current_;
    TMacDequeNode* node = block->CurrentNode;
    std::int32_t index = block->CurrentIndex;
    int direction = -1;
    if (block->AccelIndex > 0 && block->AccelIndex < block->Count - 1) {
        int c = DoCompareAB(data, block->AccelNode->Data);
        node = block->AccelNode;
        index = block->AccelIndex;
        if (c == 0) {
            block->CurrentIndex = index;
            block->CurrentNode = node;
            return 0;
        }
        direction = c < 0 ? -1 : 1;
    }
    int result;
    for (;;) {
        TMacDequeNode* step = direction < 0 ? node->Prev : node->Next;
        if (!step) { // only with an order that contradicts itself
            result = direction < 0 ? 1 : -1;
            break;
        }
        node = step;
        index += direction;
        int c = DoCompareAB(data, node->Data);
        if (c == 0) {
            result = 0;
            break;
        }
        if (direction > 0 && c < 0) {
            result = 1;
            break;
        }
        if (direction < 0 && c > 0) {
            result = -1;
            break;
        }
    }
    block->CurrentIndex = index;
    block->CurrentNode = node;
    return result;
}

void TMacDeque::Exchange(std::int32_t j) {
    if (!current_) return;
    if (j < 0) j = 0;
    if (j > count_ - 1) j = count_ - 1;
    if (j == GetCurrentPosition()) return;
    TMacDequeNode* from = current_->CurrentNode;
    SetCurrentPosition(j);
    std::swap(from->Data, current_->CurrentNode->Data);
}

void TMacDeque::Clear() {
    if (!current_) return;
    SetCurrentPosition(count_ - 1);
    while (current_) DoDeleteCurrent();
    ClearAccelerators();
}

void TMacDeque::ClearAccelerators() {
    for (auto& a : accelerators_) a = Accelerator{};
}

void TMacDeque::SaveAccelerator() {
    if (!current_) {
        ClearAccelerators();
        return;
    }
    int found = kAccelerators - 1; // the oldest drops out unless the block is already there
    for (int k = 0; k < kAccelerators; ++k)
        if (accelerators_[k].Block == current_) {
            found = k;
            break;
        }
    for (int k = found; k > 0; --k) accelerators_[k] = accelerators_[k - 1];
    accelerators_[0] = Accelerator{current_, currentStart_};
}

std::int32_t TMacDeque::BlockCount() const {
    if (!current_) return 0;
    const TMacDequeList* b = current_;
    while (b->Prev) b = b->Prev;
    std::int32_t n = 0;
    for (; b; b = b->Next) ++n;
    return n;
}

std::int32_t TMacDeque::BlockItemCount(std::int32_t index) const {
    if (!current_ || index < 0) return 0;
    const TMacDequeList* b = current_;
    while (b->Prev) b = b->Prev;
    for (; b && index > 0; b = b->Next) --index;
    return b ? b->Count : 0;
}
