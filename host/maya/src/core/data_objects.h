#pragma once
// The data kinds the graph itself provides (string, point array, matrix, numeric), and the
// host object that carries any DataObject inside an MObject.
#include "internal.h"
#include "object.h"

#include <maya/MFnNumericData.h>
#include <maya/MMatrix.h>
#include <maya/MPointArray.h>
#include <maya/MString.h>

#include <memory>

namespace mcore {

class DataHolder : public Object {
public:
    explicit DataHolder(std::shared_ptr<DataObject> d) : data(std::move(d)) {}
    std::vector<MFn::Type> fnTypes() const override { return {data->apiType(), MFn::kData}; }
    std::shared_ptr<DataObject> data;
};

class StringData : public DataObject {
public:
    MFnData::Type dataType() const override { return MFnData::kString; }
    MFn::Type apiType() const override { return MFn::kStringData; }
    std::shared_ptr<DataObject> clone() const override {
        return std::make_shared<StringData>(*this);
    }
    MString value;
};

class PointArrayData : public DataObject {
public:
    MFnData::Type dataType() const override { return MFnData::kPointArray; }
    MFn::Type apiType() const override { return MFn::kPointArrayData; }
    std::shared_ptr<DataObject> clone() const override {
        return std::make_shared<PointArrayData>(*this);
    }
    MPointArray points;
};

class MatrixData : public DataObject {
public:
    MFnData::Type dataType() const override { return MFnData::kMatrix; }
    MFn::Type apiType() const override { return MFn::kMatrixData; }
    std::shared_ptr<DataObject> clone() const override {
        return std::make_shared<MatrixData>(*this);
    }
    MMatrix matrix;
};

class NumericData : public DataObject {
public:
    MFnData::Type dataType() const override { return MFnData::kNumeric; }
    MFn::Type apiType() const override { return MFn::kNumericData; }
    std::shared_ptr<DataObject> clone() const override {
        return std::make_shared<NumericData>(*this);
    }
    // Number of components of a numeric type (2 for k2Float, ...; 1 for single values).
    static unsigned int componentCount(MFnNumericData::Type type);
    MFnNumericData::Type numericType = MFnNumericData::kInvalid;
    double values[4] = {0.0, 0.0, 0.0, 0.0};
};

} // namespace mcore
