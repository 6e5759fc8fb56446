#include "scene/builtin_constraint.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/builtin_transform.h"

#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlugArray.h>

#include <cmath>

namespace scene {

namespace {

struct Vector {
    MObject parent, child[3];
};

struct Attributes {
    MObject target, targetRotateOrder, targetParentMatrix, targetWeight;
    Vector targetTranslate, targetRotate, targetScale, targetRotatePivot, targetRotateTranslate,
        targetOffsetTranslate, targetOffsetRotate;
    MObject parentInverse, rotateOrder, enableRest;
    Vector rotatePivot, rotateTranslate, jointOrient, translate, rotate, restTranslate, restRotate;
};

Attributes& attributes() {
    static Attributes a;
    return a;
}

Vector vector(const char* longName, const char* shortName, double value, UnitKind unit) {
    Vector v;
    v.parent = createDoubleVector(longName, shortName, value, v.child, unit);
    return v;
}

MObject integer(const char* longName, const char* shortName, double value) {
    MFnNumericAttribute fn;
    return fn.create(longName, shortName, MFnNumericData::kInt, value);
}

MMatrix matrixOf(const TransformValues& values) {
    double m[4][4];
    composeTransform(values, m);
    return MMatrix(m);
}

void read(MDataHandle handle, double out[3]) {
    const double3& v = handle.asDouble3();
    for (int i = 0; i < 3; ++i)
        out[i] = v[i];
}

// Where one target puts the driven node's rotate pivot, in the world: the target's own pivot
// frame (rotation about its rotate pivot, placed in its parent), shifted by the offset.
MMatrix targetFrame(MDataHandle& target) {
    const Attributes& a = attributes();
    TransformValues frame, offset;
    double translate[3], pivot[3], pivotTranslate[3];
    read(target.child(a.targetTranslate.parent), translate);
    read(target.child(a.targetRotatePivot.parent), pivot);
    read(target.child(a.targetRotateTranslate.parent), pivotTranslate);
    for (int i = 0; i < 3; ++i)
        frame.translate[i] = translate[i] + pivot[i] + pivotTranslate[i];
    read(target.child(a.targetRotate.parent), frame.rotate);
    read(target.child(a.targetScale.parent), frame.scale);
    frame.rotateOrder = target.child(a.targetRotateOrder).asInt();
    read(target.child(a.targetOffsetTranslate.parent), offset.translate);
    read(target.child(a.targetOffsetRotate.parent), offset.rotate);
    return matrixOf(offset) * matrixOf(frame) * target.child(a.targetParentMatrix).asMatrix();
}

// The rows of a rotation-like 3x3 made orthonormal (Gram-Schmidt), so scale and blending
// leave only a rotation.
void orthonormalize(double r[3][3]) {
    for (int row = 0; row < 3; ++row) {
        for (int earlier = 0; earlier < row; ++earlier) {
            double d = 0;
            for (int k = 0; k < 3; ++k)
                d += r[row][k] * r[earlier][k];
            for (int k = 0; k < 3; ++k)
                r[row][k] -= d * r[earlier][k];
        }
        const double length =
            std::sqrt(r[row][0] * r[row][0] + r[row][1] * r[row][1] + r[row][2] * r[row][2]);
        for (int k = 0; k < 3; ++k)
            r[row][k] = length > 0 ? r[row][k] / length : (row == k ? 1.0 : 0.0);
    }
}

// The joint the constraint drives, if it drives one: its parent's scale is undone inside it.
MObject drivenJoint(const MObject& constraint) {
    const Attributes& a = attributes();
    for (const Vector* output : {&a.translate, &a.rotate})
        for (const MObject& attribute :
             {output->parent, output->child[0], output->child[1], output->child[2]}) {
            MPlugArray driven;
            MPlug(constraint, attribute).connectedTo(driven, false, true);
            for (unsigned int i = 0; i < driven.length(); ++i)
                if (mcore::nodeTypeName(driven[i].node()) == "joint")
                    return driven[i].node();
        }
    return MObject();
}

class ParentConstraint : public MPxNode {
public:
    static void* creator() { return new ParentConstraint(); }

    static MStatus initialize() {
        MStatus status = TransformNode::initialize();
        Attributes& a = attributes();
        const UnitKind length = UnitKind::Distance, angle = UnitKind::Angle;
        a.targetTranslate = vector("targetTranslate", "tt", 0, length);
        a.targetRotate = vector("targetRotate", "tr", 0, angle);
        a.targetScale = vector("targetScale", "ts", 1, UnitKind::None);
        a.targetRotatePivot = vector("targetRotatePivot", "trp", 0, length);
        a.targetRotateTranslate = vector("targetRotateTranslate", "trt", 0, length);
        a.targetOffsetTranslate = vector("targetOffsetTranslate", "tot", 0, length);
        a.targetOffsetRotate = vector("targetOffsetRotate", "tor", 0, angle);
        a.targetRotateOrder = integer("targetRotateOrder", "tro", 0);
        a.targetParentMatrix = MFnMatrixAttribute().create("targetParentMatrix", "tpm");
        MFnNumericAttribute weight;
        a.targetWeight = weight.create("targetWeight", "tw", MFnNumericData::kDouble, 1.0);
        MFnCompoundAttribute target;
        a.target = target.create("target", "tg");
        for (const MObject& child :
             {a.targetTranslate.parent, a.targetRotate.parent, a.targetScale.parent,
              a.targetRotatePivot.parent, a.targetRotateTranslate.parent,
              a.targetOffsetTranslate.parent, a.targetOffsetRotate.parent, a.targetRotateOrder,
              a.targetParentMatrix, a.targetWeight})
            target.addChild(child);
        target.setArray(true);

        a.parentInverse = MFnMatrixAttribute().create("constraintParentInverseMatrix", "cpim");
        a.rotatePivot = vector("constraintRotatePivot", "crp", 0, length);
        a.rotateTranslate = vector("constraintRotateTranslate", "crt", 0, length);
        a.jointOrient = vector("constraintJointOrient", "cjo", 0, angle);
        a.rotateOrder = integer("constraintRotateOrder", "cro", 0);
        a.restTranslate = vector("restTranslate", "rst", 0, length);
        a.restRotate = vector("restRotate", "rsrr", 0, angle);
        MFnNumericAttribute rest;
        a.enableRest = rest.create("enableRestPosition", "erp", MFnNumericData::kBoolean, 1.0);
        // The rotation of the last evaluation, which scene files store; nothing here reads it.
        addAttribute(vector("lastTargetRotate", "lr", 0, angle).parent);
        a.translate = vector("constraintTranslate", "ct", 0, length);
        a.rotate = vector("constraintRotate", "cr", 0, angle);
        const MObject inputs[] = {a.target,
                                  a.parentInverse,
                                  a.rotatePivot.parent,
                                  a.rotateTranslate.parent,
                                  a.jointOrient.parent,
                                  a.rotateOrder,
                                  a.restTranslate.parent,
                                  a.restRotate.parent,
                                  a.enableRest};
        for (const MObject& input : inputs)
            addAttribute(input);
        for (const MObject& output : {a.translate.parent, a.rotate.parent}) {
            MFnNumericAttribute(output).setStorable(false);
            addAttribute(output);
            for (const MObject& input : inputs)
                attributeAffects(input, output);
        }
        return status;
    }

    MPxNode::Type type() const override { return MPxNode::kTransformNode; }

    MStatus compute(const MPlug& plug, MDataBlock& block) override {
        const Attributes& a = attributes();
        MObject attribute = plug.isChild() ? plug.parent().attribute() : plug.attribute();
        if (attribute != a.translate.parent && attribute != a.rotate.parent)
            return MS::kUnknownParameter;
        double translate[3] = {0, 0, 0}, rotate[3] = {0, 0, 0};
        if (!blend(block, translate, rotate) && block.inputValue(a.enableRest).asBool()) {
            read(block.inputValue(a.restTranslate.parent), translate);
            read(block.inputValue(a.restRotate.parent), rotate);
        }
        block.outputValue(a.translate.parent).set(translate[0], translate[1], translate[2]);
        block.outputValue(a.rotate.parent).set(rotate[0], rotate[1], rotate[2]);
        block.setClean(a.translate.parent);
        block.setClean(a.rotate.parent);
        return MS::kSuccess;
    }

private:
    // The weighted targets in the driven node's channels; false when no target has weight.
    bool blend(MDataBlock& block, double translate[3], double rotate[3]) {
        const Attributes& a = attributes();
        double total = 0, position[3] = {0, 0, 0}, turn[3][3] = {{0}};
        mcore::forEachElement(block.inputArrayValue(a.target),
                              [&](unsigned int, MDataHandle& target) {
                                  const double w = target.child(a.targetWeight).asDouble();
                                  if (w <= 0)
                                      return;
                                  const MMatrix frame = targetFrame(target);
                                  total += w;
                                  for (int i = 0; i < 3; ++i) {
                                      position[i] += w * frame[3][i];
                                      for (int k = 0; k < 3; ++k)
                                          turn[i][k] += w * frame[i][k];
                                  }
                              });
        if (total <= 0)
            return false;
        orthonormalize(turn);
        MMatrix world;
        for (int i = 0; i < 3; ++i) {
            world[3][i] = position[i] / total;
            for (int k = 0; k < 3; ++k)
                world[i][k] = turn[i][k];
        }
        const MMatrix local = world * block.inputValue(a.parentInverse).asMatrix();
        double pivot[3], pivotTranslate[3];
        read(block.inputValue(a.rotatePivot.parent), pivot);
        read(block.inputValue(a.rotateTranslate.parent), pivotTranslate);
        for (int i = 0; i < 3; ++i)
            translate[i] = local[3][i] - pivot[i] - pivotTranslate[i];
        // The rotation channels: what is left once the joint's parent scale and orient are
        // taken back out (R * Jo * IS^-1 is the local rotation of a joint).
        TransformValues orient;
        read(block.inputValue(a.jointOrient.parent), orient.rotate);
        MMatrix channels = local;
        const MObject joint = drivenJoint(thisMObject());
        if (!joint.isNull())
            for (int i = 0; i < 3; ++i)
                for (int k = 0; k < 3; ++k)
                    channels[k][i] *=
                        MPlug(joint, TransformNode::channels().inverseScale[i]).asDouble();
        channels = channels * matrixOf(orient).transpose();
        double r[3][3];
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < 3; ++k)
                r[i][k] = channels[i][k];
        orthonormalize(r);
        eulerDegrees(r, block.inputValue(a.rotateOrder).asInt(), rotate);
        return true;
    }
};

} // namespace

void registerConstraintType() {
    mcore::registerBuiltinNodeType("parentConstraint", MTypeId(kConstraintId),
                                   ParentConstraint::creator, ParentConstraint::initialize,
                                   MPxNode::kTransformNode,
                                   {MFn::kTransform, MFn::kDagNode, MFn::kDependencyNode});
}

} // namespace scene
