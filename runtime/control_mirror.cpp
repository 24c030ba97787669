#include "runtime/control_mirror.h"

#include <algorithm>

namespace klv {
namespace {

// The batch of the calling thread (only an owner thread opens one).
thread_local int t_batchDepth = 0;
thread_local std::vector<MirrorBatch::Member*> t_drafted;
// Its address marks the calling thread: no two live threads share it.
thread_local char t_threadMark;

void PublishDrafted() {
  std::vector<MirrorBatch::Member*> drafted;
  drafted.swap(t_drafted);
  for (MirrorBatch::Member* member : drafted) member->Publish();
}

}  // namespace

void MirrorBatch::Open() { ++t_batchDepth; }

void MirrorBatch::Close() {
  if (t_batchDepth == 0 || --t_batchDepth > 0) return;
  PublishDrafted();
}

MirrorBatch::Interlude::Interlude() : depth_(t_batchDepth) {
  t_batchDepth = 0;
  PublishDrafted();
}

MirrorBatch::Interlude::~Interlude() {
  PublishDrafted();  // a batch left open inside the loop does not carry over
  t_batchDepth = depth_;
}

bool MirrorBatch::IsOpen() { return t_batchDepth > 0; }

MirrorBatch::Member::~Member() {
  t_drafted.erase(std::remove(t_drafted.begin(), t_drafted.end(), this), t_drafted.end());
}

void MirrorBatch::Member::Join() { t_drafted.push_back(this); }

void MirrorOwner::Claim() { owner_.store(&t_threadMark, std::memory_order_relaxed); }

bool MirrorOwner::Calls() const { return owner_.load(std::memory_order_relaxed) == &t_threadMark; }

}  // namespace klv
