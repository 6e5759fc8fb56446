#pragma once
// The host's "parentConstraint": it places the node it drives (through "constraintTranslate"
// and "constraintRotate") as if that node were a child of its targets. Each target gives its
// rotation and rotate pivot in the world (targetRotate, targetRotateOrder, targetTranslate,
// targetRotatePivot, targetRotateTranslate, targetParentMatrix), shifted by its offset
// (targetOffsetTranslate, targetOffsetRotate); targets blend by targetWeight. The result is
// brought into the driven node's parent (constraintParentInverseMatrix) and into its own
// channels: its rotate pivot, rotate order, and for a joint its orient and the inverse of its
// parent's scale. Without any weight, the rest position is used if enabled.
namespace scene {

void registerConstraintType();

} // namespace scene
