#pragma once
// Numeric attributes: single values and the numeric compounds (2/3/4 children, colours, points).
// Hard limits clamp values on set; soft limits are only a hint for sliders.
#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>

class MFnNumericAttribute : public MFnAttribute {
public:
    MFnNumericAttribute();
    MFnNumericAttribute(MObject& object, MStatus* ReturnStatus = NULL);
    MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnNumericAttribute();
    MFn::Type type() const override;

    MObject create(const MString& fullName, const MString& briefName, MFnNumericData::Type unitType,
                   double defaultValue = 0, MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MObject& child1,
                   const MObject& child2, const MObject& child3 = MObject::kNullObj,
                   MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MObject& child1,
                   const MObject& child2, const MObject& child3, const MObject& child4,
                   MStatus* ReturnStatus = NULL);
    // Three float children named fullName + "R"/"G"/"B", used as colour.
    MObject createColor(const MString& fullName, const MString& briefName,
                        MStatus* ReturnStatus = NULL);
    // Three float children named fullName + "X"/"Y"/"Z".
    MObject createPoint(const MString& fullName, const MString& briefName,
                        MStatus* ReturnStatus = NULL);
    MObject createAddr(const MString& fullName, const MString& briefName, void* defaultValue = NULL,
                       MStatus* ReturnStatus = NULL);

    MFnNumericData::Type unitType(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;

    // Defaults are read, and hard limits set, in int and double forms only.
    MStatus getDefault(int& def1);
    MStatus getDefault(double& def1);
    MStatus getDefault(int& def1, int& def2);
    MStatus getDefault(double& def1, double& def2);
    MStatus getDefault(int& def1, int& def2, int& def3);
    MStatus getDefault(double& def1, double& def2, double& def3);
    MStatus getDefault(double& def1, double& def2, double& def3, double& def4);

    MStatus setDefault(bool def1);
    MStatus setDefault(char def1);
    MStatus setDefault(short def1);
    MStatus setDefault(int def1);
    MStatus setDefault(float def1);
    MStatus setDefault(double def1);
    MStatus setDefault(short def1, short def2);
    MStatus setDefault(int def1, int def2);
    MStatus setDefault(float def1, float def2);
    MStatus setDefault(double def1, double def2);
    MStatus setDefault(short def1, short def2, short def3);
    MStatus setDefault(int def1, int def2, int def3);
    MStatus setDefault(float def1, float def2, float def3);
    MStatus setDefault(double def1, double def2, double def3);
    MStatus setDefault(double def1, double def2, double def3, double def4);

    bool hasMin(MStatus* ReturnStatus = NULL) const;
    bool hasMax(MStatus* ReturnStatus = NULL) const;
    bool hasSoftMin(MStatus* ReturnStatus = NULL) const;
    bool hasSoftMax(MStatus* ReturnStatus = NULL) const;
    MStatus getMin(double& min1) const;
    MStatus getMin(double& min1, double& min2) const;
    MStatus getMin(double& min1, double& min2, double& min3) const;
    MStatus getMax(double& max1) const;
    MStatus getMax(double& max1, double& max2) const;
    MStatus getMax(double& max1, double& max2, double& max3) const;
    MStatus getSoftMin(double& min1) const;
    MStatus getSoftMax(double& max1) const;

    MStatus setMin(int min1);
    MStatus setMin(double min1);
    MStatus setMin(int min1, int min2);
    MStatus setMin(double min1, double min2);
    MStatus setMin(int min1, int min2, int min3);
    MStatus setMin(double min1, double min2, double min3);
    MStatus setMax(int max1);
    MStatus setMax(double max1);
    MStatus setMax(int max1, int max2);
    MStatus setMax(double max1, double max2);
    MStatus setMax(int max1, int max2, int max3);
    MStatus setMax(double max1, double max2, double max3);
    MStatus setSoftMin(double min1);
    MStatus setSoftMax(double max1);
};
